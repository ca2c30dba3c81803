// The submission page as text: the topic-number test, the page's bytes
// piece by piece for new topics and replies, each value escaped for its
// place, and the size up to which the browser takes the page as text.

#include "submit/SubmitPage.h"
#include "support/TestMain.h"

#include <string>

using SubmitPage::PostKind;

Q_DECLARE_METATYPE(PostKind)
Q_DECLARE_METATYPE(std::string)

namespace {

// The page as it must come out, joined here from its fixed pieces and the
// values as they must appear in it (already escaped).
std::string ExpectedPage(const std::string& action, const std::string& title, const std::string& textArea,
                         const std::string& numberParagraph, const std::string& mode)
{
    return "<html><body bgcolor=\"#CCCCCC\"><form action=\"" + action + "\" method=\"POST\">"
           "Title: <input type=\"text\" name=\"subject\" value=" + "\"" + title + "\""
           " ><p>&nbsp;Post: <textarea name=\"message\"  rows=\"15\" cols=\"35\" wrap=\"virtual\" readonly=\"true\" "
           "style=\"width:450px\"  >" + textArea + "</textarea></p>" + numberParagraph +
           "<input type=\"hidden\" name=\"mode\" value=" + mode +
           " > <!-- mode = reply for reply or newtopic for new post --><input type=\"checkbox\" name=\"attach_sig\" "
           "checked=\"checked\" />Attach Signature<br /><input type=\"checkbox\" name=\"notify\"  />Notify me when a "
           "reply is posted<br /></p>"
           "<p align=\"Center\"><input type=\"submit\" accesskey=\"s\" tabindex=\"6\" name=\"post\" class=\"mainoption\" "
           "value=\"Submit\" /></p></form>"
           "<p style=\"{color: #FF0000; background-color: #FFFFCC;}\">Please wait for few moments for a confirmation of "
           "your submit, dont click twice</p></body></html>\r\n";
}

std::string ForumParagraph(const std::string& number)
{
    return "<p>Forum Number: <input type=\"text\" name=\"f\" value=" + number + " ></p>";
}

std::string TopicParagraph(const std::string& number)
{
    return "<p>Topic Number: <input type=\"text\" name=\"t\" value=" + number + " ></p>";
}

const std::string NewTopicMode = "\"newtopic\"";
const std::string ReplyMode = "reply";

}  // namespace

class tst_SubmitPage : public QObject {
    Q_OBJECT
private slots:
    void topicNumber_data();
    void topicNumber();
    void pageBytes_data();
    void pageBytes();
    void fitsAsText_data();
    void fitsAsText();
};

void tst_SubmitPage::topicNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("one digit") << "7" << true;
    QTest::newRow("many digits") << "0012345678901234567890" << true;
    QTest::newRow("blanks around") << "  42 " << true;
    QTest::newRow("tabs around") << "\t42\t" << true;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("blanks only") << "  " << false;
    QTest::newRow("letters after") << "12a" << false;
    QTest::newRow("blank inside") << "1 2" << false;
    QTest::newRow("plus sign") << "+3" << false;
    QTest::newRow("exponent") << "1e3" << false;
    QTest::newRow("line break after") << "12\n" << false;
    QTest::newRow("full-width digits") << QString::fromUtf8("\xEF\xBC\x91\xEF\xBC\x92") << false;
}

void tst_SubmitPage::topicNumber()
{
    QFETCH(QString, text);
    QFETCH(bool, accepted);
    QCOMPARE(SubmitPage::IsTopicNumber(text.toStdString()), accepted);
}

void tst_SubmitPage::pageBytes_data()
{
    QTest::addColumn<std::string>("site");
    QTest::addColumn<PostKind>("kind");
    QTest::addColumn<std::string>("topic");
    QTest::addColumn<std::string>("forumNumber");
    QTest::addColumn<std::string>("title");
    QTest::addColumn<std::string>("body");
    QTest::addColumn<std::string>("expected");

    const std::string site = "http://forum.example.org/";
    const std::string action = "http://forum.example.org/posting.php";

    QTest::newRow("new topic") << site << PostKind::NewTopic << std::string() << std::string("12")
                               << std::string("Hello") << std::string("Line 1\r\n[b]Line 2[/b]")
                               << ExpectedPage(action, "Hello", "Line 1\r\n[b]Line 2[/b]", ForumParagraph("12"),
                                               NewTopicMode);
    QTest::newRow("reply writes the topic number as typed")
        << site << PostKind::Reply << std::string(" 123 ") << std::string("12") << std::string("Re: Hello")
        << std::string("Agreed.") << ExpectedPage(action, "Re: Hello", "Agreed.", TopicParagraph(" 123 "), ReplyMode);
    QTest::newRow("placeholder chooser gives an empty forum number")
        << site << PostKind::NewTopic << std::string() << std::string() << std::string("T") << std::string("B")
        << ExpectedPage(action, "T", "B", ForumParagraph(""), NewTopicMode);
    QTest::newRow("empty title and body are sent empty")
        << site << PostKind::Reply << std::string("9") << std::string() << std::string() << std::string()
        << ExpectedPage(action, "", "", TopicParagraph("9"), ReplyMode);
    QTest::newRow("site address without its final slash is joined all the same")
        << std::string("http://forum.example.org/board") << PostKind::NewTopic << std::string() << std::string("1")
        << std::string("T") << std::string("B")
        << ExpectedPage("http://forum.example.org/boardposting.php", "T", "B", ForumParagraph("1"), NewTopicMode);
    QTest::newRow("double quote and markup in the title are escaped")
        << site << PostKind::NewTopic << std::string() << std::string("3")
        << std::string("He said \"hi\" & <b>left</b>") << std::string("B")
        << ExpectedPage(action, "He said &quot;hi&quot; &amp; &lt;b&gt;left&lt;/b&gt;", "B", ForumParagraph("3"),
                        NewTopicMode);
    QTest::newRow("closing text-area tag, tags and entities in the body are escaped")
        << site << PostKind::Reply << std::string("5") << std::string() << std::string("T")
        << std::string("a</textarea><b>bold</b> &amp; \"quoted\" 'single'")
        << ExpectedPage(action, "T", "a&lt;/textarea&gt;&lt;b&gt;bold&lt;/b&gt; &amp;amp; \"quoted\" 'single'",
                        TopicParagraph("5"), ReplyMode);
    QTest::newRow("non-ASCII letters and BBCode pass unchanged")
        << site << PostKind::NewTopic << std::string() << std::string("4")
        << std::string("Gr\xC3\xBC\xC3\x9F" "e \xE2\x80\x93 caf\xC3\xA9")
        << std::string("[quote=\"Jos\xC3\xA9\"]\xE6\x97\xA5\xE6\x9C\xAC[/quote]\r\n\r\n[url=http://x/?a=1&b=2]x[/url]")
        << ExpectedPage(action, "Gr\xC3\xBC\xC3\x9F" "e \xE2\x80\x93 caf\xC3\xA9",
                        "[quote=\"Jos\xC3\xA9\"]\xE6\x97\xA5\xE6\x9C\xAC[/quote]\r\n\r\n[url=http://x/?a=1&amp;b=2]x[/url]",
                        ForumParagraph("4"), NewTopicMode);
    QTest::newRow("body starting with a line break keeps it")
        << site << PostKind::Reply << std::string("5") << std::string() << std::string("T")
        << std::string("\r\nafter a blank line\r\n")
        << ExpectedPage(action, "T", "\r\n\r\nafter a blank line\r\n", TopicParagraph("5"), ReplyMode);
    QTest::newRow("site address and forum number are escaped for their attributes")
        << std::string("http://x.org/?a=1&b=\"2\"/") << PostKind::NewTopic << std::string()
        << std::string("1\"<&>") << std::string("T") << std::string("B")
        << ExpectedPage("http://x.org/?a=1&amp;b=&quot;2&quot;/posting.php", "T", "B",
                        ForumParagraph("1&quot;&lt;&amp;&gt;"), NewTopicMode);
}

void tst_SubmitPage::pageBytes()
{
    QFETCH(std::string, site);
    QFETCH(PostKind, kind);
    QFETCH(std::string, topic);
    QFETCH(std::string, forumNumber);
    QFETCH(std::string, title);
    QFETCH(std::string, body);
    QFETCH(std::string, expected);
    SubmitPage::Request request;
    request.siteAddress = site;
    request.kind = kind;
    request.topicNumber = topic;
    request.forumShown = "3- shown";
    request.forumNumber = forumNumber;
    request.title = title;
    request.body = body;
    const std::string page = SubmitPage::Build(request);
    QCOMPARE(QByteArray::fromStdString(page), QByteArray::fromStdString(expected));
}

void tst_SubmitPage::fitsAsText_data()
{
    // The browser's limit: a data address of at most 2 MiB, whose head
    // "data:text/html;charset=UTF-8," is 29 characters long.
    constexpr size_t limit = 2 * 1024 * 1024 - 29;
    QTest::addColumn<std::string>("page");
    QTest::addColumn<bool>("fits");
    QTest::newRow("a small page") << std::string("<p>hi</p>") << true;
    QTest::newRow("letters up to the limit") << std::string(limit, 'a') << true;
    QTest::newRow("one letter more") << std::string(limit + 1, 'a') << false;
    QTest::newRow("blanks count three times") << std::string(limit / 3, ' ') << true;
    QTest::newRow("blanks one over") << std::string(limit / 3 + 1, ' ') << false;
    QTest::newRow("700 kB of non-ASCII letters") << std::string(700 * 1024, '\xC3') << false;
    QTest::newRow("unreserved marks count once") << std::string(limit, '~') << true;
}

void tst_SubmitPage::fitsAsText()
{
    QFETCH(std::string, page);
    QFETCH(bool, fits);
    QCOMPARE(SubmitPage::FitsAsText(page), fits);
}

QF_TEST_MAIN(tst_SubmitPage)
#include "tst_submitpage.moc"
