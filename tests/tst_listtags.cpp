// The composers of page "列表页" as plain functions: clause order and the
// rules for empty fields.
#include <QtTest>

#include "app/page.h"
#include "tags/list/listtags.h"

using namespace zt::list;
Q_DECLARE_METATYPE(ChannelListInputs)

class TestListTags : public QObject {
  Q_OBJECT
 private slots:
  void channelList_data() {
    QTest::addColumn<ChannelListInputs>("in");
    QTest::addColumn<QString>("clauses");
    auto row = [](const char* name, auto fill, const char* clauses) {
      ChannelListInputs in;
      in.channel = "news";
      in.order = kDefault;
      fill(in);
      QTest::newRow(name) << in << QString::fromUtf8(clauses);
    };
    using In = ChannelListInputs&;
    row("nothing", [](In) {}, "");
    row("tid", [](In i) { i.tid = "3"; }, " tid=\"3\"");
    row("sid", [](In i) { i.sid = "7"; }, " sid=\"7\"");
    row("count", [](In i) { i.count = "10"; }, " limit=\"10\"");
    row("count and paging", [](In i) { i.count = "10"; i.pageId = "pg"; }, " page=\"pg,10\"");
    row("paging without count", [](In i) { i.pageId = "pg"; }, "");
    row("keywords", [](In i) { i.keywords = "新品"; }, " keywords=\"新品\"");
    row("as", [](In i) { i.var = "m"; }, " as=\"m\"");
    row("id desc", [](In i) { i.order = kIdDesc; }, " orderby=\"orders|desc,id|desc\"");
    row("id asc", [](In i) { i.order = kIdAsc; }, " orderby=\"orders|desc,id\"");
    row("time desc", [](In i) { i.order = kTimeDesc; }, " orderby=\"orders|desc,addtime|desc\"");
    row("time asc", [](In i) { i.order = kTimeAsc; }, " orderby=\"orders|desc,addtime\"");
    row("no selection", [](In i) { i.order = -1; }, "");
    row("all", [](In i) {
      i.tid = "3"; i.sid = "7"; i.count = "10"; i.pageId = "pg"; i.order = kTimeAsc;
      i.keywords = "k"; i.var = "m";
    }, " tid=\"3\" sid=\"7\" page=\"pg,10\" orderby=\"orders|desc,addtime\" keywords=\"k\" as=\"m\"");
    row("all with limit", [](In i) {
      i.tid = "-1"; i.sid = "s"; i.count = "5"; i.order = kIdDesc; i.keywords = "a b"; i.var = "x";
    }, " tid=\"-1\" sid=\"s\" limit=\"5\" orderby=\"orders|desc,id|desc\" keywords=\"a b\" as=\"x\"");
    // Texts go in as typed: blanks count, quotes are not escaped.
    row("blank and quote", [](In i) { i.count = " "; i.keywords = "a\"b"; },
        " limit=\" \" keywords=\"a\"b\"");
  }
  void channelList() {
    QFETCH(ChannelListInputs, in);
    QFETCH(QString, clauses);
    QCOMPARE(channelClauses(in), clauses);
    QCOMPARE(channelListTag(in), "{loop table=\"channel\" molds=\"news\"" + clauses + "}");
  }

  void fields() {
    QCOMPARE(zt::loopField({}, u"{fun typename($", u"['tid'])}"), QStringLiteral("{fun typename($v['tid'])}"));
    QCOMPARE(zt::loopField("m", u"{fun typename($", u"['tid'])}"), QStringLiteral("{fun typename($m['tid'])}"));
    QCOMPARE(zt::loopField("m", u"{$", u"['n']}"), QStringLiteral("{$m['n']}"));
    QCOMPARE(customField({}, "price"), QStringLiteral("{$v['price']}"));
    QCOMPARE(customField("m", "price"), QStringLiteral("{$m['price']}"));
    QCOMPARE(customField(" ", "a b"), QStringLiteral("{$ ['a b']}"));
    QCOMPARE(pagingCode("pg"), QStringLiteral("{$pg}"));
  }

  void query_data() {
    QTest::addColumn<QString>("id");
    QTest::addColumn<QString>("var");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    const QString open = "{sql sql=\"select * from ws_classtype  where ";
    QTest::newRow("id") << "5" << "" << open + " tid=5\"}" << "{$v['body']} ";
    QTest::newRow("id and var") << "5" << "p" << open + " tid=5\" as=\"p\"}" << "{$p['body']} ";
    QTest::newRow("minus id") << "-12" << "" << open + " tid=-12\"}" << "{$v['body']} ";
    QTest::newRow("quote in var") << "5" << "a\"b" << open + " tid=5\" as=\"a\"b\"}" << "{$a\"b['body']} ";
  }
  void query() {
    QFETCH(QString, id);
    QFETCH(QString, var);
    QFETCH(QString, first);
    QFETCH(QString, second);
    const QString tag = queryTag(id, var);
    QCOMPARE(tag, first + "\r\n" + second + "\r\n{/sql}");
    QCOMPARE(tag.count('\n'), 2);
    QCOMPARE(tag.count('\r'), 2);
    QVERIFY(tag.contains("where  tid="));
  }
};

QTEST_APPLESS_MAIN(TestListTags)
#include "tst_listtags.moc"
