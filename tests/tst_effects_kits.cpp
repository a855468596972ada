// The embedded resource kits: each zip holds exactly its manifest, in order,
// every entry unpacking to what its directory record says; the files the
// effect snippets load are there and are what they claim to be; the flash
// movie is a compressed Flash 6 movie.
#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QRegularExpression>
#include <QtEndian>
#include <QtTest>
#include <stdexcept>

namespace {

QByteArray resourceBytes(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

quint16 u16(const QByteArray& b, qsizetype at) {
  if (at < 0 || at + 2 > b.size()) throw std::out_of_range("u16");
  return qFromLittleEndian<quint16>(b.constData() + at);
}
quint32 u32(const QByteArray& b, qsizetype at) {
  if (at < 0 || at + 4 > b.size()) throw std::out_of_range("u32");
  return qFromLittleEndian<quint32>(b.constData() + at);
}

quint32 crc32(const QByteArray& data) {
  quint32 c = 0xFFFFFFFFu;
  for (char ch : data) {
    c ^= quint8(ch);
    for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
  }
  return c ^ 0xFFFFFFFFu;
}

// A plain raw-deflate decoder (stored, fixed and dynamic blocks), so that the
// test unpacks the archives itself rather than trusting the packer.
class Inflater {
 public:
  explicit Inflater(const QByteArray& in) : in_(in) {}
  QByteArray run() {
    int last;
    do {
      last = bits(1);
      const int type = bits(2);
      if (type == 0) stored();
      else if (type == 1) fixed();
      else if (type == 2) dynamic();
      else throw std::runtime_error("bad block type");
    } while (!last);
    return out_;
  }

 private:
  struct Huffman {
    int count[16] = {};
    int symbol[320] = {};
  };
  int bits(int n) {
    int v = 0;
    for (int i = 0; i < n; ++i) {
      if (pos_ >= in_.size()) throw std::runtime_error("out of input");
      v |= ((quint8(in_[pos_]) >> bit_) & 1) << i;
      if (++bit_ == 8) bit_ = 0, ++pos_;
    }
    return v;
  }
  void stored() {
    if (bit_) bit_ = 0, ++pos_;
    const int len = u16(in_, pos_), nlen = u16(in_, pos_ + 2);
    if ((len ^ 0xFFFF) != nlen || pos_ + 4 + len > in_.size()) throw std::runtime_error("stored");
    out_ += in_.mid(pos_ + 4, len);
    pos_ += 4 + len;
  }
  static void build(Huffman& h, const int* lengths, int n) {
    int offs[16] = {};
    for (int i = 0; i < n; ++i) h.count[lengths[i]]++;
    h.count[0] = 0;
    for (int i = 1; i < 16; ++i) offs[i] = offs[i - 1] + h.count[i - 1];
    for (int i = 0; i < n; ++i)
      if (lengths[i]) h.symbol[offs[lengths[i]]++] = i;
  }
  int decode(const Huffman& h) {
    int code = 0, first = 0, index = 0;
    for (int len = 1; len < 16; ++len) {
      code |= bits(1);
      const int count = h.count[len];
      if (code - count < first) return h.symbol[index + (code - first)];
      index += count;
      first = (first + count) << 1;
      code <<= 1;
    }
    throw std::runtime_error("bad code");
  }
  void codes(const Huffman& lit, const Huffman& dist) {
    static const int lbase[] = {3, 4, 5, 6, 7, 8, 9, 10, 11, 13, 15, 17, 19, 23, 27, 31,
                                35, 43, 51, 59, 67, 83, 99, 115, 131, 163, 195, 227, 258};
    static const int lext[] = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2, 2,
                               3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
    static const int dbase[] = {1, 2, 3, 4, 5, 7, 9, 13, 17, 25, 33, 49, 65, 97, 129,
                                193, 257, 385, 513, 769, 1025, 1537, 2049, 3073, 4097,
                                6145, 8193, 12289, 16385, 24577};
    static const int dext[] = {0, 0, 0, 0, 1, 1, 2, 2, 3, 3, 4, 4, 5, 5, 6,
                               6, 7, 7, 8, 8, 9, 9, 10, 10, 11, 11, 12, 12, 13, 13};
    for (;;) {
      int sym = decode(lit);
      if (sym < 256) {
        out_ += char(sym);
      } else if (sym == 256) {
        return;
      } else {
        sym -= 257;
        if (sym >= 29) throw std::runtime_error("bad length");
        const int len = lbase[sym] + bits(lext[sym]);
        const int d = decode(dist);
        if (d >= 30) throw std::runtime_error("bad distance");
        const int back = dbase[d] + bits(dext[d]);
        if (back > out_.size()) throw std::runtime_error("distance too far");
        for (int i = 0; i < len; ++i) out_ += out_[out_.size() - back];
      }
    }
  }
  void fixed() {
    int lengths[320];
    int i = 0;
    for (; i < 144; ++i) lengths[i] = 8;
    for (; i < 256; ++i) lengths[i] = 9;
    for (; i < 280; ++i) lengths[i] = 7;
    for (; i < 288; ++i) lengths[i] = 8;
    Huffman lit, dist;
    build(lit, lengths, 288);
    for (i = 0; i < 30; ++i) lengths[i] = 5;
    build(dist, lengths, 30);
    codes(lit, dist);
  }
  void dynamic() {
    static const int order[19] = {16, 17, 18, 0, 8, 7, 9, 6, 10, 5, 11, 4, 12, 3, 13, 2, 14, 1, 15};
    const int nlen = bits(5) + 257, ndist = bits(5) + 1, ncode = bits(4) + 4;
    int lengths[320] = {};
    for (int i = 0; i < ncode; ++i) lengths[order[i]] = bits(3);
    Huffman lencode;
    build(lencode, lengths, 19);
    int index = 0;
    while (index < nlen + ndist) {
      int sym = decode(lencode);
      if (sym < 16) {
        lengths[index++] = sym;
        continue;
      }
      int len = 0, repeat;
      if (sym == 16) {
        if (!index) throw std::runtime_error("repeat with no length");
        len = lengths[index - 1];
        repeat = 3 + bits(2);
      } else if (sym == 17) {
        repeat = 3 + bits(3);
      } else {
        repeat = 11 + bits(7);
      }
      if (index + repeat > nlen + ndist) throw std::runtime_error("too many lengths");
      while (repeat--) lengths[index++] = len;
    }
    Huffman lit, dist;
    build(lit, lengths, nlen);
    build(dist, lengths + nlen, ndist);
    codes(lit, dist);
  }

  const QByteArray& in_;
  qsizetype pos_ = 0;
  int bit_ = 0;
  QByteArray out_;
};

struct ZipEntry {
  QString name;
  QByteArray data;
  quint32 attributes = 0;
};

// Reads the central directory from the end record, and each entry's data
// through its local header; fails the test on any disagreement.
QList<ZipEntry> readZip(const QByteArray& zip) {
  QList<ZipEntry> entries;
  const qsizetype end = zip.lastIndexOf(QByteArray("PK\x05\x06", 4));
  if (end < 0 || end + 22 != zip.size()) throw std::runtime_error("no end record");
  const int count = u16(zip, end + 10);
  if (u16(zip, end + 8) != count) throw std::runtime_error("entry counts differ");
  qsizetype at = u32(zip, end + 16);
  if (at + qsizetype(u32(zip, end + 12)) != end) throw std::runtime_error("directory size");
  for (int i = 0; i < count; ++i) {
    if (u32(zip, at) != 0x02014b50) throw std::runtime_error("directory record");
    const int method = u16(zip, at + 10);
    const quint32 crc = u32(zip, at + 16), packed = u32(zip, at + 20), size = u32(zip, at + 24);
    const int nameLen = u16(zip, at + 28), extra = u16(zip, at + 30), comment = u16(zip, at + 32);
    ZipEntry e;
    e.attributes = u32(zip, at + 38);
    const qsizetype local = u32(zip, at + 42);
    const QByteArray name = zip.mid(at + 46, nameLen);
    e.name = QString::fromUtf8(name);
    at += 46 + nameLen + extra + comment;

    if (u32(zip, local) != 0x04034b50 || zip.mid(local + 30, u16(zip, local + 26)) != name ||
        u16(zip, local + 8) != method || u32(zip, local + 14) != crc ||
        u32(zip, local + 18) != packed || u32(zip, local + 22) != size)
      throw std::runtime_error("local header disagrees with directory");
    const QByteArray raw = zip.mid(local + 30 + u16(zip, local + 26) + u16(zip, local + 28), packed);
    if (raw.size() != qsizetype(packed)) throw std::runtime_error("data cut off");
    if (method == 0) e.data = raw;
    else if (method == 8) e.data = Inflater(raw).run();
    else throw std::runtime_error("unknown method");
    if (e.data.size() != qsizetype(size) || crc32(e.data) != crc)
      throw std::runtime_error("size or checksum wrong: " + name.toStdString());
    entries.push_back(e);
  }
  return entries;
}

QStringList names(const QList<ZipEntry>& entries) {
  QStringList n;
  for (const auto& e : entries) n << e.name;
  return n;
}

QByteArray entry(const QList<ZipEntry>& entries, const QString& name) {
  for (const auto& e : entries)
    if (e.name == name) return e.data;
  return {};
}

QString snippet(const char* file) {
  return QString::fromUtf8(resourceBytes(QStringLiteral(":/assets/effects/snippets/") + file));
}

// Every relative file a page text loads, once each in order of first use: src="...", href="...", url(...).
QStringList referencedFiles(const QString& text) {
  QStringList found;
  static const QRegularExpression re(
      QStringLiteral("(?:src|href)\\s*=\\s*\"([^\"#:{]+)\"|url\\(\\s*['\"]?([^'\")#:]+)['\"]?\\s*\\)"));
  for (auto m = re.globalMatch(text); m.hasNext();) {
    const auto match = m.next();
    found << (match.captured(1).isEmpty() ? match.captured(2) : match.captured(1));
  }
  found.removeDuplicates();
  return found;
}

const QByteArray kJQueryHead = "/*!\n * jQuery JavaScript Library v1.8.3\n";

}  // namespace

class TestEffectsKits : public QObject {
  Q_OBJECT
 private slots:
  void inflaterSelfCheck() {
    const QByteArray text = QByteArray("zorvan ").repeated(500) + QByteArray(3000, '\0') + "end";
    const QByteArray z = qCompress(text, 9);
    QCOMPARE(Inflater(z.mid(6, z.size() - 10)).run(), text);
  }

  void manifests_data() {
    QTest::addColumn<QString>("kit");
    QTest::addColumn<QStringList>("manifest");
    QTest::newRow("1qq.zip") << ":/kits/1qq.zip"
        << QStringList{"images/", "images/keifu.png", "images/keifu.psd", "images/qq.png",
                       "images/qrcode.jpg", "style/", "style/index.css", "style/jquery.js",
                       "style/kefu.js"};
    QTest::newRow("banner.zip") << ":/kits/banner.zip"
        << QStringList{"images/", "images/loader.gif", "images/nivo-preloader.gif",
                       "images/slider-left-arrow.png", "images/slider-right-arrow.png",
                       "images/slides/", "images/slides/slide1.jpg", "images/slides/slide2.jpg",
                       "images/slides/slide3.jpg", "images/slides/slide5.jpg",
                       "images/slides/slide6.jpg", "style/", "style/banner.js",
                       "style/jquery-1.8.3.min.js", "style/jquery.banner.revolution.min.js",
                       "style/style.css"};
  }
  void manifests() {
    QFETCH(QString, kit);
    QFETCH(QStringList, manifest);
    QList<ZipEntry> entries;
    try {
      entries = readZip(resourceBytes(kit));
    } catch (const std::exception& e) {
      QFAIL(e.what());
    }
    QCOMPARE(names(entries), manifest);
    for (const auto& e : entries) {
      const bool folder = e.name.endsWith('/');
      QVERIFY2(folder ? e.data.isEmpty() : !e.data.isEmpty(), qPrintable(e.name));
      // Unix mode in the high half: a folder unpacks as a folder.
      QCOMPARE((e.attributes >> 16) & 0170000, folder ? 0040000u : 0100000u);
    }
  }

  // Each picture opens as the format its name says; the panel's layered
  // source is a Photoshop file with more than one layer.
  void pictures_data() {
    QTest::addColumn<QString>("kit");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("format");
    for (const char* n : {"images/keifu.png", "images/qq.png"})
      QTest::newRow(n) << ":/kits/1qq.zip" << n << QByteArray("png");
    QTest::newRow("images/qrcode.jpg") << ":/kits/1qq.zip" << "images/qrcode.jpg" << QByteArray("jpeg");
    for (const char* n : {"images/loader.gif", "images/nivo-preloader.gif"})
      QTest::newRow(n) << ":/kits/banner.zip" << n << QByteArray("gif");
    for (const char* n : {"images/slider-left-arrow.png", "images/slider-right-arrow.png"})
      QTest::newRow(n) << ":/kits/banner.zip" << n << QByteArray("png");
    for (const char* n : {"images/slides/slide1.jpg", "images/slides/slide2.jpg",
                          "images/slides/slide3.jpg", "images/slides/slide5.jpg",
                          "images/slides/slide6.jpg"})
      QTest::newRow(n) << ":/kits/banner.zip" << n << QByteArray("jpeg");
  }
  void pictures() {
    QFETCH(QString, kit);
    QFETCH(QString, name);
    QFETCH(QByteArray, format);
    QByteArray bytes = entry(readZip(resourceBytes(kit)), name);
    QBuffer buffer(&bytes);
    QImageReader reader(&buffer);
    QCOMPARE(reader.format(), format);
    const QImage image = reader.read();
    QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
    if (name.contains("slides/")) QVERIFY(image.width() >= 1200 && image.height() >= 300);
    if (format == "gif") QVERIFY(reader.imageCount() > 1);  // the loaders turn
  }

  void layeredPanelSource() {
    const auto entries = readZip(resourceBytes(":/kits/1qq.zip"));
    const QByteArray psd = entry(entries, "images/keifu.psd");
    const QImage png = QImage::fromData(entry(entries, "images/keifu.png"), "png");
    QVERIFY(psd.startsWith("8BPS"));
    auto be16 = [&](int at) { return qFromBigEndian<quint16>(psd.constData() + at); };
    auto be32 = [&](int at) { return qFromBigEndian<quint32>(psd.constData() + at); };
    QCOMPARE(be16(4), 1);                             // version
    QCOMPARE(be16(12), 4);                            // RGB and alpha
    QCOMPARE(int(be32(14)), png.height());
    QCOMPARE(int(be32(18)), png.width());
    QCOMPARE(be16(22), 8);                            // bits a channel
    QCOMPARE(be16(24), 3);                            // RGB
    qsizetype at = 26;
    at += 4 + be32(at);                               // colour mode data
    at += 4 + be32(at);                               // image resources
    const quint32 layerSection = be32(at);
    QVERIFY(layerSection > 0 && at + 4 + layerSection < quint32(psd.size()));
    QVERIFY(qAbs(qint16(be16(at + 8))) >= 2);         // layers
  }

  // Whatever the snippets and style sheets load from the kit is in it.
  void snippetsFindTheirFiles_data() {
    QTest::addColumn<QString>("kit");
    QTest::addColumn<QString>("snippet");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("编辑框50") << ":/kits/1qq.zip" << "servicepanel.txt"
        << QStringList{"style/index.css", "style/jquery.js", "style/kefu.js", "images/qq.png",
                       "images/qrcode.jpg"};
    QTest::newRow("编辑框51") << ":/kits/banner.zip" << "banner.txt"
        << QStringList{"style/style.css", "style/jquery-1.8.3.min.js",
                       "style/jquery.banner.revolution.min.js", "style/banner.js",
                       "images/slides/slide3.jpg", "images/slides/slide5.jpg",
                       "images/slides/slide2.jpg", "images/slides/slide1.jpg",
                       "images/slides/slide6.jpg"};
  }
  void snippetsFindTheirFiles() {
    QFETCH(QString, kit);
    QFETCH(QString, snippet);
    QFETCH(QStringList, expected);
    const auto entries = readZip(resourceBytes(kit));
    const QStringList inZip = names(entries);
    QCOMPARE(referencedFiles(::snippet(snippet.toLatin1().constData())), expected);
    for (const QString& f : expected) QVERIFY2(inZip.contains(f), qPrintable(f));
    // Style sheets load pictures relative to themselves, from "../images/".
    for (const auto& e : entries) {
      if (!e.name.endsWith(".css")) continue;
      const QStringList pictures = referencedFiles(QString::fromUtf8(e.data));
      QVERIFY(!pictures.isEmpty());
      for (QString p : pictures) {
        QVERIFY2(p.startsWith("../"), qPrintable(p));
        QVERIFY2(inZip.contains(p.mid(3)), qPrintable(p));
      }
    }
  }

  void scripts() {
    const auto service = readZip(resourceBytes(":/kits/1qq.zip"));
    const auto banner = readZip(resourceBytes(":/kits/banner.zip"));
    const QByteArray jquery = entry(service, "style/jquery.js");
    QVERIFY(jquery.startsWith(kJQueryHead));
    QVERIFY(jquery.contains("window.jQuery = window.$ = jQuery;"));
    QCOMPARE(entry(banner, "style/jquery-1.8.3.min.js"), jquery);
    // The panel's script works on the panel's classes.
    const QByteArray kefu = entry(service, "style/kefu.js");
    for (const char* c : {".keifu", ".keifu_close", ".icon_keifu", ".keifu_box"})
      QVERIFY2(kefu.contains(c), c);
    // The banner is started on its container, and knows every transition the
    // snippet asks for.
    QVERIFY(entry(banner, "style/banner.js").contains(".fullwidthbanner\").revolution("));
    QVERIFY(entry(banner, "style/banner.js").contains("images/loader.gif"));
    const QByteArray plugin = entry(banner, "style/jquery.banner.revolution.min.js");
    QVERIFY(plugin.contains("$.fn.revolution"));
    for (const char* t : {"\"3dcurtain-horizontal\"", "\"3dcurtain-vertical\"", "\"papercut\"",
                          "\"turnoff\"", "\"flyin\"", "data-slotamount", "data-masterspeed",
                          "data-link"})
      QVERIFY2(plugin.contains(t), t);
  }

  void flashMovie() {
    const QByteArray swf = resourceBytes(":/kits/focus.swf");
    QVERIFY(swf.startsWith("CWS"));
    QCOMPARE(int(swf[3]), 6);
    const quint32 length = u32(swf, 4);
    // The body is a zlib stream; its inflated size plus the header is the
    // length the header states.
    QByteArray packed = swf.mid(8);
    packed.prepend(QByteArray(4, '\0'));
    qToBigEndian<quint32>(length - 8, packed.data());
    const QByteArray body = qUncompress(packed);
    QCOMPARE(quint32(body.size()) + 8, length);
    // Stage size in the movie's frame: 980 x 270 pixels, in twips.
    QCOMPARE(quint8(body[0]) >> 3, 16);
    // The four variables the carousel passes.
    for (const char* v : {"pics", "links", "borderwidth", "borderheight"})
      QVERIFY2(body.contains(QByteArray(v) + '\0'), v);
    QVERIFY(body.endsWith(QByteArray("\x40\x00\x00\x00", 4)));  // show frame, end
  }
};

QTEST_GUILESS_MAIN(TestEffectsKits)
#include "tst_effects_kits.moc"
