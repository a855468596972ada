// Where kits go and how the user is shown them: the user's download folder,
// opened in the desktop's file manager. The only platform-specific part of
// the kit export.
#include <QDesktopServices>
#include <QDir>
#include <QStandardPaths>
#include <QUrl>

#include "effects/kits.h"

namespace zt {

QString kitFolder() {
  const QString folder = QStandardPaths::writableLocation(QStandardPaths::DownloadLocation);
  if (!folder.isEmpty()) QDir().mkpath(folder);
  return folder;
}

void showFolder(const QString& folder) {
  if (!folder.isEmpty()) QDesktopServices::openUrl(QUrl::fromLocalFile(folder));
}

}  // namespace zt
