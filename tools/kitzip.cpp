// Build tool: writes a zip archive with exactly the entries given, in the
// order given, so a kit unpacks to its manifest and nothing else.
//
//   zorvan-kitzip OUT.zip BASEDIR ENTRY...
//
// An ENTRY ending in "/" is a folder entry. Otherwise it names a file read
// from BASEDIR/ENTRY, or from SOURCE when written as ENTRY=SOURCE. Entries
// are deflated when that makes them smaller; every entry carries the same
// fixed time, so the same sources give the same archive byte for byte.
#include <QByteArray>
#include <QDataStream>
#include <QFile>
#include <QtEndian>
#include <cstdio>
#include <vector>

namespace {

quint32 crc32(const QByteArray& data) {
  static quint32 table[256];
  static bool ready = false;
  if (!ready) {
    for (quint32 i = 0; i < 256; ++i) {
      quint32 c = i;
      for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
      table[i] = c;
    }
    ready = true;
  }
  quint32 c = 0xFFFFFFFFu;
  for (char ch : data) c = table[(c ^ quint8(ch)) & 0xFF] ^ (c >> 8);
  return c ^ 0xFFFFFFFFu;
}

// Raw deflate data: qCompress gives a 4-byte length, a 2-byte zlib header,
// the deflate stream and a 4-byte checksum.
QByteArray deflateRaw(const QByteArray& data) {
  const QByteArray z = qCompress(data, 9);
  return z.mid(6, z.size() - 10);
}

struct Entry {
  QByteArray name;
  quint16 method = 0;
  quint32 crc = 0, size = 0, packedSize = 0, offset = 0;
  bool folder = false;
};

void put16(QByteArray& out, quint16 v) {
  char b[2];
  qToLittleEndian(v, b);
  out.append(b, 2);
}
void put32(QByteArray& out, quint32 v) {
  char b[4];
  qToLittleEndian(v, b);
  out.append(b, 4);
}

// 2020-01-01 00:00:00 in MS-DOS form.
constexpr quint16 kTime = 0;
constexpr quint16 kDate = ((2020 - 1980) << 9) | (1 << 5) | 1;

// The fields that a local header and its central-directory record share,
// from the compression method to the name's length.
void putSharedFields(QByteArray& out, const Entry& e) {
  put16(out, e.method);
  put16(out, kTime);
  put16(out, kDate);
  put32(out, e.crc);
  put32(out, e.packedSize);
  put32(out, e.size);
  put16(out, quint16(e.name.size()));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 4) {
    std::fprintf(stderr, "usage: %s OUT.zip BASEDIR ENTRY...\n", argv[0]);
    return 2;
  }
  const QString base = QString::fromLocal8Bit(argv[2]);
  QByteArray out;
  std::vector<Entry> entries;
  for (int i = 3; i < argc; ++i) {
    QByteArray arg(argv[i]);
    Entry e;
    QByteArray data;
    const qsizetype eq = arg.indexOf('=');
    e.name = eq < 0 ? arg : arg.left(eq);
    e.folder = e.name.endsWith('/');
    if (!e.folder) {
      const QString source = eq < 0 ? base + u'/' + QString::fromLocal8Bit(e.name)
                                    : QString::fromLocal8Bit(arg.mid(eq + 1));
      QFile f(source);
      if (!f.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "kitzip: cannot read %s\n", qPrintable(source));
        return 1;
      }
      data = f.readAll();
      e.crc = crc32(data);
      e.size = quint32(data.size());
      const QByteArray packed = deflateRaw(data);
      if (packed.size() < data.size()) {
        data = packed;
        e.method = 8;
      }
      e.packedSize = quint32(data.size());
    }
    e.offset = quint32(out.size());
    put32(out, 0x04034b50);
    put16(out, 20);  // version needed: 2.0
    put16(out, 0);   // flags
    putSharedFields(out, e);
    put16(out, 0);
    out += e.name;
    out += data;
    entries.push_back(e);
  }
  const quint32 directory = quint32(out.size());
  for (const Entry& e : entries) {
    put32(out, 0x02014b50);
    put16(out, (3 << 8) | 20);  // made by: Unix, 2.0
    put16(out, 20);
    put16(out, 0);
    putSharedFields(out, e);
    put16(out, 0);  // extra
    put16(out, 0);  // comment
    put16(out, 0);  // disk
    put16(out, 0);  // internal attributes
    // Unix mode in the high half; the MS-DOS folder bit for folders.
    put32(out, e.folder ? (040755u << 16) | 0x10 : (0100644u << 16));
    put32(out, e.offset);
    out += e.name;
  }
  const quint32 directorySize = quint32(out.size()) - directory;
  put32(out, 0x06054b50);
  put16(out, 0);
  put16(out, 0);
  put16(out, quint16(entries.size()));
  put16(out, quint16(entries.size()));
  put32(out, directorySize);
  put32(out, directory);
  put16(out, 0);

  QFile f(QString::fromLocal8Bit(argv[1]));
  if (!f.open(QIODevice::WriteOnly) || f.write(out) != out.size() || !f.flush()) {
    std::fprintf(stderr, "kitzip: cannot write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
