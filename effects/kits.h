#pragma once
#include <QByteArray>
#include <QString>

// The resource kits: files some effect snippets need beside the page (a flash
// movie, style sheets, scripts, pictures), built into the program and written
// out whole on request.
namespace zt {

struct Kit {
  const char* resource;  // embedded file, ":/kits/..."
  const char* fileName;  // name it is written under
};

inline constexpr Kit kFlashKit{":/kits/focus.swf", "focus.swf"};
inline constexpr Kit kServiceKit{":/kits/1qq.zip", "1qq.zip"};
inline constexpr Kit kBannerKit{":/kits/banner.zip", "banner.zip"};

// The kit's bytes, exactly as embedded.
QByteArray kitBytes(const Kit& kit);

// Writes bytes into folder/fileName through a temporary file that replaces
// the target only once everything is on disk: a failed write leaves no
// partial file and keeps an existing one as it was. False on failure.
bool writeWhole(const QString& folder, const QString& fileName, const QByteArray& bytes);

// The platform part (kitfolder.cpp): the folder kits are written to,
// created when missing, and showing that folder in the file manager.
QString kitFolder();
void showFolder(const QString& folder);

// The kit buttons' handler body: write the kit, then show the folder
// whatever the write did. Nothing is reported.
void exportKit(const Kit& kit);

}  // namespace zt
