// Composers of page "首页调用" as plain functions: clause order, conditions,
// loop variables and field texts taken exactly as typed.
#include <QtTest>

#include "tags/home/homecompose.h"

using namespace zt::home;

class TestHomeCompose : public QObject {
  Q_OBJECT
 private slots:
  void navLoop_data() {
    QTest::addColumn<QString>("limit");
    QTest::addColumn<QString>("var");
    QTest::addColumn<bool>("intro");
    QTest::addColumn<bool>("hidden");
    QTest::addColumn<bool>("sibling");
    QTest::addColumn<bool>("sub");
    QTest::addColumn<QString>("tag");
    QTest::newRow("as the window opens") << "" << "" << false << false << true << false
        << "{loop table=\"classtype\" mshow=\"1\" not=\"1\"}";
    QTest::newRow("everything, no mshow") << "8" << "nav" << true << true << true << true
        << "{loop table=\"classtype\" limit=\"8\" as=\"nav\" pid=\"$type['tid']\" body=\"1\" not=\"1\"}";
    QTest::newRow("everything but hidden") << "8" << "nav" << true << false << true << true
        << "{loop table=\"classtype\" limit=\"8\" as=\"nav\" mshow=\"1\" pid=\"$type['tid']\" body=\"1\" not=\"1\"}";
    QTest::newRow("hidden alone") << "" << "" << false << true << false << false
        << "{loop table=\"classtype\"}";
    QTest::newRow("limit alone") << "5" << "" << false << true << false << false
        << "{loop table=\"classtype\" limit=\"5\"}";
    QTest::newRow("as alone") << "" << "m" << false << true << false << false
        << "{loop table=\"classtype\" as=\"m\"}";
    QTest::newRow("intro alone") << "" << "" << true << true << false << false
        << "{loop table=\"classtype\" body=\"1\"}";
    QTest::newRow("sub alone") << "" << "" << false << true << false << true
        << "{loop table=\"classtype\" pid=\"$type['tid']\"}";
    QTest::newRow("blanks are filled in, kept") << " " << "  " << false << true << false << false
        << "{loop table=\"classtype\" limit=\" \" as=\"  \"}";
    QTest::newRow("quotes go in unescaped") << "a\"b" << "" << false << true << false << false
        << "{loop table=\"classtype\" limit=\"a\"b\"}";
  }
  void navLoop() {
    QFETCH(QString, limit);
    QFETCH(QString, var);
    QFETCH(bool, intro);
    QFETCH(bool, hidden);
    QFETCH(bool, sibling);
    QFETCH(bool, sub);
    QFETCH(QString, tag);
    NavLoop in;
    in.limit = limit;
    in.var = var;
    in.intro = intro;
    in.hidden = hidden;
    in.sibling = sibling;
    in.sub = sub;
    QCOMPARE(zt::home::navLoop(in), tag);
  }

  // The sub-column clause keeps the attribute's double quotes balanced.
  void subColumnClauseIsOneAttribute() {
    NavLoop in;
    in.hidden = true;
    in.sibling = false;
    in.sub = true;
    const QString tag = zt::home::navLoop(in);
    QCOMPARE(tag.count(u'"'), 4);
    QVERIFY(tag.contains(QStringLiteral("pid=\"$type['tid']\"")));
  }

  void contentLoop_data() {
    QTest::addColumn<int>("table");
    QTest::addColumn<QString>("column");
    QTest::addColumn<QString>("count");
    QTest::addColumn<QString>("var");
    QTest::addColumn<QString>("paging");
    QTest::addColumn<int>("order");
    QTest::addColumn<int>("trait");
    QTest::addColumn<int>("notrait");
    QTest::addColumn<int>("image");
    QTest::addColumn<QString>("tag");
    auto row = [](const char* name, int table, const char* column, const char* count,
                  const char* var, const char* paging, int order, int trait, int notrait,
                  int image, const char* tag) {
      QTest::newRow(name) << table << QString(column) << QString(count) << QString(var)
                          << QString(paging) << order << trait << notrait << image << QString(tag);
    };
    row("as the window opens", 0, "", "", "", "", 0, 0, 0, 0, "{loop table=\"article\"}");
    row("products", 1, "", "", "", "", 0, 0, 0, 0, "{loop table=\"product\"}");
    row("count gives limit", 0, "", "10", "", "", 0, 0, 0, 0, "{loop table=\"article\" limit=\"10\"}");
    row("paging without count is ignored", 0, "", "", "", "page", 0, 0, 0, 0,
        "{loop table=\"article\"}");
    row("paging and count give page", 0, "", "10", "", "page", 0, 0, 0, 0,
        "{loop table=\"article\" page=\"page,10\"}");
    row("column alone", 0, "3", "", "", "", 0, 0, 0, 0, "{loop table=\"article\" tid=\"3\"}");
    row("as alone", 0, "", "", "a", "", 0, 0, 0, 0, "{loop table=\"article\" as=\"a\"}");
    row("tid before as", 0, "3", "", "a", "", 0, 0, 0, 0,
        "{loop table=\"article\" tid=\"3\" as=\"a\"}");
    row("order 1", 0, "", "", "", "", 1, 0, 0, 0,
        "{loop table=\"article\" orderby=\"orders|desc,id|desc\"}");
    row("order 2", 0, "", "", "", "", 2, 0, 0, 0, "{loop table=\"article\" orderby=\"orders|desc,id\"}");
    row("order 3", 0, "", "", "", "", 3, 0, 0, 0,
        "{loop table=\"article\" orderby=\"orders|desc,addtime|desc\"}");
    row("order 4", 0, "", "", "", "", 4, 0, 0, 0,
        "{loop table=\"article\" orderby=\"orders|desc,addtime\"}");
    row("trait 1", 0, "", "", "", "", 0, 1, 0, 0, "{loop table=\"article\" trait=\"1\"}");
    row("trait 2", 0, "", "", "", "", 0, 2, 0, 0, "{loop table=\"article\" trait=\"2\"}");
    row("notrait 1", 0, "", "", "", "", 0, 0, 1, 0, "{loop table=\"article\" notrait=\"1\"}");
    row("notrait 2", 0, "", "", "", "", 0, 0, 2, 0, "{loop table=\"article\" notrait=\"2\"}");
    row("image 1", 0, "", "", "", "", 0, 0, 0, 1, "{loop table=\"article\" image=\"1\"}");
    row("image 2", 0, "", "", "", "", 0, 0, 0, 2, "{loop table=\"article\" image=\"2\"}");
    row("same trait in and out, no conflict", 0, "", "", "", "", 0, 2, 2, 0,
        "{loop table=\"article\" trait=\"2\" notrait=\"2\"}");
    row("filters in order", 0, "", "", "", "", 4, 1, 1, 1,
        "{loop table=\"article\" image=\"1\" trait=\"1\" notrait=\"1\" orderby=\"orders|desc,addtime\"}");
    row("everything", 1, "7", "20", "p", "pg", 1, 2, 1, 2,
        "{loop table=\"product\" image=\"2\" trait=\"2\" notrait=\"1\" orderby=\"orders|desc,id|desc\""
        " tid=\"7\" as=\"p\" page=\"pg,20\"}");
    row("blanks are filled in, kept", 0, " ", "  ", " ", " ", 0, 0, 0, 0,
        "{loop table=\"article\" tid=\" \" as=\" \" page=\" ,  \"}");
  }
  void contentLoop() {
    QFETCH(int, table);
    QFETCH(QString, column);
    QFETCH(QString, count);
    QFETCH(QString, var);
    QFETCH(QString, paging);
    QFETCH(int, order);
    QFETCH(int, trait);
    QFETCH(int, notrait);
    QFETCH(int, image);
    QFETCH(QString, tag);
    ContentLoop in;
    in.table = table;
    in.column = column;
    in.count = count;
    in.var = var;
    in.paging = paging;
    in.order = order;
    in.trait = trait;
    in.notrait = notrait;
    in.image = image;
    QCOMPARE(zt::home::contentLoop(in), tag);
  }

  void contentLists() {
    QCOMPARE(kTables, QStringList({"文章", "商品"}));
    QCOMPARE(kOrders, QStringList({"默认", "ID倒序", "ID正序", "时间倒叙", "时间正序"}));
    QCOMPARE(kTraits, QStringList({"不指定", "头条", "推荐"}));
    QCOMPARE(kImages, QStringList({"不限", "有", "无"}));
  }

  void recordCalls_data() {
    QTest::addColumn<QString>("got");
    QTest::addColumn<QString>("want");
    QTest::newRow("field v") << fieldTag("", u"['title']}") << "{$v['title']}";
    QTest::newRow("field var") << fieldTag("a", u"['title']}") << "{$a['title']}";
    QTest::newRow("field blank var") << fieldTag(" ", u"['id']}") << "{$ ['id']}";
    QTest::newRow("typename v") << typeName("") << "{fun typename($v['tid'])}";
    QTest::newRow("typename var") << typeName("art") << "{fun typename($art['tid'])}";
    QTest::newRow("title v, no length") << trimmedTitle("", "") << "{fun newstr($v['title'],)}";
    QTest::newRow("title v") << trimmedTitle("", "20") << "{fun newstr($v['title'],20)}";
    QTest::newRow("title var") << trimmedTitle("a", "-3") << "{fun newstr($a['title'],-3)}";
    QTest::newRow("summary v") << trimmedSummary("", "80") << "{fun newstr($v['description'],80)}";
    QTest::newRow("summary var, no length") << trimmedSummary("a", "")
                                            << "{fun newstr($a['description'],)}";
    QTest::newRow("paging") << pagingVar("page") << "{$page}";
    QTest::newRow("paging blank") << pagingVar(" ") << "{$ }";
  }
  void recordCalls() {
    QFETCH(QString, got);
    QFETCH(QString, want);
    QCOMPARE(got, want);
  }

  void dateTag_data() {
    QTest::addColumn<int>("style");
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("format");
    const char* items[] = {"2013-8-20", "13-8-20", "8-20", "2013-8-20 14:10:5", "13-8-20 14:10:5",
                           "8-20 14:10:5", "2013年8月20日", "13年8月20日", "2013年8月20日 14:10:5",
                           "13年8月20日 14:10:5"};
    const char* formats[] = {"Y-m-d", "y-m-d", "m-d", "Y-m-d H:i:s", "y-m-d H:i:s", "m-d H:i:s",
                             "Y年m月d日", "y年m月d日", "Y年m月d日 H:i:s", "y年m月d日 H:i:s"};
    for (int i = 0; i < 10; ++i)
      QTest::addRow("style %d", i) << i << QString(items[i]) << QString(formats[i]);
  }
  void dateTag() {
    QFETCH(int, style);
    QFETCH(QString, item);
    QFETCH(QString, format);
    QCOMPARE(kDateStyles.size(), 10);
    QCOMPARE(kDateStyles.at(style), item);
    QCOMPARE(zt::home::dateTag(style, ""), "{fun date('" + format + "',$v['addtime'])}");
    QCOMPARE(zt::home::dateTag(style, "rec"), "{fun date('" + format + "',$rec['addtime'])}");
  }

  void linkLoop_data() {
    QTest::addColumn<QString>("count");
    QTest::addColumn<QString>("category");
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("var");
    QTest::addColumn<QString>("tag");
    QTest::newRow("as the window opens") << "" << "" << 0 << ""
        << "{loop table=\"links\" type=\"text\"}{$v['name']}{$v['gourl']}{/loop}";
    QTest::newRow("pictures") << "" << "" << 1 << ""
        << "{loop table=\"links\" type=\"image\"}{$v['name']}{$v['gourl']}{$v['image']}{/loop}";
    QTest::newRow("all fields, text") << "10" << "2" << 0 << "l"
        << "{loop table=\"links\" taid=\"2\" as=\"l\" limit=\"10\" type=\"text\"}"
           "{$l['name']}{$l['gourl']}{/loop}";
    QTest::newRow("all fields, pictures") << "10" << "2" << 1 << "l"
        << "{loop table=\"links\" taid=\"2\" as=\"l\" limit=\"10\" type=\"image\"}"
           "{$l['name']}{$l['gourl']}{$l['image']}{/loop}";
    QTest::newRow("as alone") << "" << "" << 0 << "x"
        << "{loop table=\"links\" as=\"x\" type=\"text\"}{$x['name']}{$x['gourl']}{/loop}";
    QTest::newRow("count alone") << "5" << "" << 0 << ""
        << "{loop table=\"links\" limit=\"5\" type=\"text\"}{$v['name']}{$v['gourl']}{/loop}";
    QTest::newRow("category alone") << "" << "3" << 1 << ""
        << "{loop table=\"links\" taid=\"3\" type=\"image\"}{$v['name']}{$v['gourl']}{$v['image']}{/loop}";
    QTest::newRow("blanks are filled in, kept") << " " << " " << 0 << " "
        << "{loop table=\"links\" taid=\" \" as=\" \" limit=\" \" type=\"text\"}{$ ['name']}{$ ['gourl']}{/loop}";
  }
  void linkLoop() {
    QFETCH(QString, count);
    QFETCH(QString, category);
    QFETCH(int, type);
    QFETCH(QString, var);
    QFETCH(QString, tag);
    LinkLoop in;
    in.count = count;
    in.category = category;
    in.type = type;
    in.var = var;
    QCOMPARE(zt::home::linkLoop(in), tag);
    QCOMPARE(kLinkTypes, QStringList({"文字", "图片"}));
  }
};

QTEST_APPLESS_MAIN(TestHomeCompose)
#include "tst_home_compose.moc"
