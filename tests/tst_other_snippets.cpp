// Page "其他调用": the stored snippets byte for byte through their radio
// buttons, and the two snippets of our own: the guestbook page body (a
// well-formed fragment with every template tag, class, id and message) and
// the site stylesheet (clean under a CSS parser, styling what it names).
#include <QProcess>
#include <QRegularExpression>
#include <QXmlStreamReader>

#include "fixture.h"

namespace {

QString publishedBy(const QString& radio) {
  Window t;
  t.click(radio);
  const QString text = t.box();
  if (Window::clipboard() != text) qWarning("clipboard differs from the box");
  if (t.status() != QStringLiteral("    复制成功")) qWarning("no report");
  return text;
}

QString pageBody() { return publishedBy("单选框101"); }
QString stylesheet() { return publishedBy("单选框102"); }

// Runs the Debian CSS parsers over css; returns the exit code, the number of
// rules seen on stdout and every complaint on stderr.
struct CssCheck {
  int exitCode = -1;
  int rules = 0;
  QString complaints;
};
CssCheck checkCss(const QString& css) {
  static const char* script = R"(
import sys, logging, tinycss2, cssutils
t = sys.stdin.buffer.read().decode('utf-8')
errors = []
for r in tinycss2.parse_stylesheet(t, skip_whitespace=True, skip_comments=True):
    if r.type == 'error': errors.append('syntax: ' + r.message)
    elif r.type == 'qualified-rule':
        for d in tinycss2.parse_declaration_list(r.content, skip_whitespace=True, skip_comments=True):
            if d.type == 'error': errors.append('declaration: ' + d.message)
class Collect(logging.Handler):
    def emit(self, record): errors.append(record.getMessage())
log = logging.getLogger('csscheck')
log.addHandler(Collect())
log.setLevel(logging.INFO)
log.propagate = False
cssutils.log.setLog(log)
sheet = cssutils.parseString(t, validate=True)
print(len(sheet.cssRules))
for e in errors: print(e, file=sys.stderr)
sys.exit(1 if errors else 0)
)";
  QProcess p;
  // The system interpreter, where python3-cssutils and python3-tinycss2 live.
  p.start("/usr/bin/python3", {"-c", script});
  CssCheck r;
  if (!p.waitForStarted()) {
    r.complaints = "cannot start /usr/bin/python3";
    return r;
  }
  p.write(css.toUtf8());
  p.closeWriteChannel();
  p.waitForFinished(60000);
  r.exitCode = p.exitCode();
  r.rules = QString::fromUtf8(p.readAllStandardOutput()).trimmed().toInt();
  r.complaints = QString::fromUtf8(p.readAllStandardError());
  return r;
}

}  // namespace

class TestOtherSnippets : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() { zt::setupApplication(); }

  void stored_data() {
    QTest::addColumn<QString>("radio");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("length");
    QTest::addColumn<int>("lines");
    QTest::addColumn<QString>("separator");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("last");
    const QString script = "<script type=\"text/javascript\">";
    QTest::newRow("Js,Css引用") << "单选框36" << "Js,Css引用" << 921 << 26 << "\r" << script << "</script>";
    QTest::newRow("留言板调用") << "单选框42" << "留言板调用" << 717 << 20 << "\r\n"
        << "<form action=\"/index.php?c=message&a=add&tid=11\" method=\"post\" >" << "</form>";
    QTest::newRow("现成调用") << "单选框101" << "现成调用" << 2991 << 102 << "\r\n"
        << " <div class=\"content\"> " << "  </ul> ";
    QTest::newRow("现成css") << "单选框102" << "现成css" << 17213 << 253 << "\r\n"
        << "@charset \"utf-8\";" << "#new_banner .num li.on{background:#f60;color:#fff;}";
    QTest::newRow("手机端判断代码") << "单选框103" << "手机端判断代码" << 443 << 9 << "\r\n" << script << "</script>";
    QTest::newRow("手机端自适应代码") << "单选框104" << "手机端自适应代码" << 307 << 4 << "\r\n"
        << "<meta name=\"viewport\" content=\"width=device-width,height=device-height,"
           "inital-scale=1.0,maximum-scale=1.0,user-scalable=no;\">"
        << "<meta name=\"format-detection\" content=\"telephone=no\">";
  }
  void stored() {
    QFETCH(QString, radio);
    QFETCH(QString, caption);
    QFETCH(int, length);
    QFETCH(int, lines);
    QFETCH(QString, separator);
    QFETCH(QString, first);
    QFETCH(QString, last);
    Window t;
    QCOMPARE(t.find<QAbstractButton>(radio)->text(), caption);
    t.publish("old");
    t.click(radio);
    const QString text = t.box();
    QCOMPARE(text.size(), length);
    QCOMPARE(Window::clipboard(), text);
    QCOMPARE(t.status(), QStringLiteral("    复制成功"));
    // Every break is the stated separator; none is turned into another.
    QCOMPARE(text.count(separator), lines - 1);
    QCOMPARE(text.count('\r'), lines - 1);
    QCOMPARE(text.count('\n'), separator == "\r" ? 0 : lines - 1);
    const QStringList all = text.split(separator);
    QCOMPARE(all.size(), lines);
    QCOMPARE(all.first(), first);
    QCOMPARE(all.last(), last);
    QVERIFY(!text.endsWith('\r') && !text.endsWith('\n'));
    // A second click publishes the same text again, not twice over.
    t.click(radio);
    QCOMPARE(t.box(), text);
  }

  void quotedLinesKeepTheirTabsAndBlanks() {
    const QStringList scripts = publishedBy("单选框36").split('\r');
    QCOMPARE(scripts.at(11), QStringLiteral("\t\talert('标题不能大于100个字符');return false;"));
    QCOMPARE(scripts.at(17), QStringLiteral("{if($GLOBALS['G_QV']['vercode']==1)}"));
    QCOMPARE(scripts.at(19), QStringLiteral("\tif(qvfrom_ajax(\"{$GLOBALS['WWW']}index.php?c=ajax&a=vercode\",\"vercode=\"+value)=='false'){"));
    QCOMPARE(scripts.join("").count('\t'), 16);

    const QStringList form = publishedBy("单选框42").split("\r\n");
    QCOMPARE(form.at(3), QString());
    QCOMPARE(form.at(6), QStringLiteral("字段名称：{$v[\"name\"]} 字段输入框：{$v[\"input\"]}"));
    QCOMPARE(form.at(18), QStringLiteral("<input type=\"submit\" value=\"提交留言\" >"));

    const QStringList detect = publishedBy("单选框103").split("\r\n");
    QCOMPARE(detect.at(6), QStringLiteral("location.href = '';"));
    QCOMPARE(detect.at(7), QStringLiteral("break; } }"));
    QCOMPARE(detect.at(1).count("\", \"") + 1, 14);  // fourteen markers
  }

  // ---- the guestbook page body ----------------------------------------------

  void pageBodyTagsInOrder() {
    const QString body = pageBody();
    const QStringList tags = {
        "{$GLOBALS['WWW']}", "{$type['tid']}", "{if($fmolds &amp;&amp; $faid)}", "{$fmolds}", "{$faid}",
        "{fun contentinfo($fmolds,$faid,'title')}", "{/if}", "{$v['m']}", "{foreach $fields as $v}",
        "{$v['name']}", "{$v['input']}", "{/foreach}", "{if($GLOBALS['G_QV']['vercode']==1)}",
        "{foreach $lists as $s}", "{$s['user']}", "{fun date('Y-m-d H:i:s',$s['addtime'])}",
        "{if($fieldinfo)}", "{foreach $fieldinfo as $f}", "{$f['fieldsname']}", "{$s[$f['fields']]}",
        "{$s['body']}", "{if($s['reply'])}", "{$s['reply']}", "{$pages}"};
    qsizetype at = -1;
    for (const QString& tag : tags) {
      const qsizetype first = body.indexOf(tag);
      QVERIFY2(first > at, qPrintable(tag));
      at = first;
    }
    // No template tag beyond the listed ones.
    QString rest = body;
    for (const QString& tag : tags) rest.remove(tag);
    static const QRegularExpression anyTag(R"(\{(\$|/|fun |if|foreach|loop|include|sql))");
    QVERIFY2(!rest.contains(anyTag), qPrintable(anyTag.match(rest).captured()));
    // Every opened block is closed.
    QCOMPARE(body.count("{foreach "), body.count("{/foreach}"));
    QCOMPARE(body.count("{if("), body.count("{/if}"));
  }

  void pageBodyHoldsFormListAndPaging() {
    const QString body = pageBody();
    const QStringList needed = {
        "class=\"content\"", "class=\"member_f\"",
        "action=\"{$GLOBALS['WWW']}index.php?c=message&amp;a=add&amp;tid={$type['tid']}\"",
        "method=\"post\"", "onsubmit=\"return postform();\"",
        "name=\"fmolds\" value=\"{$fmolds}\"", "name=\"faid\" value=\"{$faid}\"", "来自：",
        "name=\"title\" id=\"title\" class=\"inp\"", "name=\"body\" id=\"body\"",
        "K.create('#body'", "allowImageUpload : false", "allowPreviewEmoticons : false",
        "'fontname', 'fontsize'", "'forecolor', 'hilitecolor'", "'bold', 'italic', 'underline', 'removeformat'",
        "'justifyleft', 'justifycenter', 'justifyright'", "'insertorderedlist', 'insertunorderedlist'",
        "'emoticons', 'image', 'link']",
        "id=\"vercode\" class=\"inp\"", "src=\"{$GLOBALS['WWW']}include/vercode.php\" id=\"vercodeimg\"",
        "onclick=\"newvercode();\"", "\"{$GLOBALS['WWW']}include/vercode.php?a=\" + Math.random()",
        "setTimeout(newvercode, 1000)", "value=\"提交留言\" class=\"btnbig\"", "class=\"m\"",
        "class=\"comment\"", "class=\"t c\"", "<h2>留言列表</h2>", "class=\"list\"", "发布于",
        "style=\"color:#C00;\">管理员回复：{$s['reply']}", "<ul class=\"c pages\">"};
    for (const QString& s : needed) QVERIFY2(body.contains(s), qPrintable(s));
    // Indented with blanks only.
    QVERIFY(!body.contains('\t'));
    for (const QString& line : body.split("\r\n")) QVERIFY2(line.startsWith(' '), qPrintable(line));
  }

  void pageBodyIsWellFormed() {
    QXmlStreamReader xml("<root>" + pageBody() + "</root>");
    QStringList ids;
    int elements = 0;
    while (!xml.atEnd()) {
      if (xml.readNext() == QXmlStreamReader::StartElement) {
        ++elements;
        const QString id = xml.attributes().value("id").toString();
        if (!id.isEmpty()) ids << id;
      }
    }
    QVERIFY2(!xml.hasError(), qPrintable(xml.errorString() + " at line " + QString::number(xml.lineNumber())));
    QVERIFY(elements > 40);
    ids.sort();
    QCOMPARE(ids, QStringList({"body", "title", "vercode", "vercodeimg"}));
  }

  // ---- the site stylesheet ---------------------------------------------------

  void stylesheetParsesClean() {
    const CssCheck clean = checkCss(stylesheet());
    QVERIFY2(clean.exitCode == 0 && clean.complaints.isEmpty(), qPrintable(clean.complaints));
    QVERIFY2(clean.rules > 200, qPrintable(QString::number(clean.rules)));
    // The check itself catches a broken rule and an unknown property.
    QCOMPARE(checkCss("a{color:red;}\r\nb{colr:red;}").exitCode, 1);
    QCOMPARE(checkCss("a{color:red;\r\nb{width:12px}}}").exitCode, 1);
  }

  void stylesheetStylesWhatItNames() {
    const QString css = stylesheet();
    QStringList selectors = {
        "h1", "h2", ".f1", ".inp", ".btnmini", ".btnbig", "#winbox", ".wp", ".wpm", ".head", ".menu",
        ".cartdb", ".tab495", ".tab475", ".tab750", ".tab220", ".tab980", ".bannerb", ".mban", ".type",
        ".list", ".main", ".columnc", ".columncl", ".position", ".content", ".comment", ".news", ".about",
        ".product", ".attribute", ".ordertab", ".total", "#aggregate", ".buy", ".inbuy", ".incart",
        ".pinfo", "#imgto", ".case", ".contact", ".member_f", ".links", ".bottom", ".pages",
        "#top_banner", "#new_banner", ".num", ".slider",
        // what the ready-made page body uses
        ".m", ".c", ".t"};
    for (int n = 1; n <= 5; ++n)
      selectors << QString(".tab%1").arg(n) << QString(".tab%11").arg(n) << QString(".tab%12").arg(n);
    // A selector counts when it starts a rule or a selector list item.
    for (const QString& s : selectors) {
      const QRegularExpression inSelector("(^|[\\n,}]|\\s)" + QRegularExpression::escape(s) +
                                          "(?![\\w-])[^{};]*\\{");
      QVERIFY2(css.contains(inSelector), qPrintable(s));
    }
    QVERIFY(css.contains("font:12px/1.8 \"宋体\",Arial"));
    QVERIFY(css.contains("h1,h2,.f1{font-family:\"微软雅黑\""));
    QVERIFY(css.contains("font-weight:bold"));
    QVERIFY(css.contains(".wp{width:980px;"));
    QVERIFY(css.contains(".wpm{width:990px;"));
    QVERIFY(css.contains("#top_banner{position:relative;width:980px;height:300px;"));
    QVERIFY(css.contains("#new_banner{position:relative;width:195px;height:150px;"));
    QVERIFY(css.contains("#top_banner .num{position:absolute;right:10px;bottom:10px;"));
    QVERIFY(css.contains("background:#fff;color:#f60;"));          // orange on white
    QVERIFY(css.contains("#top_banner .num li.on{background:#f60;color:#fff;}"));  // current: white on orange
    QVERIFY(!css.contains("{$") && !css.contains("{/") && !css.contains("{fun"));

    // Exactly the eleven pictures, all under ../images/.
    QStringList pictures;
    static const QRegularExpression url(R"(url\(([^)]*)\))");
    for (auto m = url.globalMatch(css); m.hasNext();) pictures << m.next().captured(1);
    pictures.removeDuplicates();
    pictures.sort();
    QStringList expected;
    for (const char* f : {"bg.jpg", "btn.gif", "buy.gif", "cart.gif", "image.gif", "list.jpg", "logo.jpg",
                          "tab.jpg", "tel.jpg", "top1.jpg", "top2.jpg"})
      expected << QStringLiteral("../images/") + f;
    QCOMPARE(pictures, expected);
  }
};

QTEST_MAIN(TestOtherSnippets)
#include "tst_other_snippets.moc"
