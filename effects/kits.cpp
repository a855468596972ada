#include "effects/kits.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

namespace zt {

QByteArray kitBytes(const Kit& kit) {
  QFile f(QString::fromLatin1(kit.resource));
  const bool ok = f.open(QIODevice::ReadOnly);
  Q_ASSERT_X(ok, "kitBytes", kit.resource);
  return ok ? f.readAll() : QByteArray();
}

bool writeWhole(const QString& folder, const QString& fileName, const QByteArray& bytes) {
  if (folder.isEmpty()) return false;
  QSaveFile f(QDir(folder).filePath(fileName));
  // Never fall back to writing the target in place: that is what could
  // leave half a kit behind.
  f.setDirectWriteFallback(false);
  if (!f.open(QIODevice::WriteOnly)) return false;
  if (f.write(bytes) != bytes.size()) {
    f.cancelWriting();
    f.commit();  // discards the temporary file
    return false;
  }
  return f.commit();
}

void exportKit(const Kit& kit) {
  const QString folder = kitFolder();
  const QByteArray bytes = kitBytes(kit);
  // A kit missing from the program must not empty a file the user has.
  if (!bytes.isEmpty()) writeWhole(folder, QString::fromLatin1(kit.fileName), bytes);
  showFolder(folder);
}

}  // namespace zt
