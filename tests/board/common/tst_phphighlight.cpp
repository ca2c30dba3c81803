// SPDX-License-Identifier: MIT
// The PHP colouring the boards share: tokens and their colours, and what
// each of the rules a board chooses changes.

#include "board/common/PhpHighlight.h"
#include "support/TestMain.h"

namespace {

constexpr std::string_view Keywords[] = {"echo", "function"};

// Rules with every choice off, then those named in `choices` on.
PhpHighlight::Rules RulesWith(const QString& choices)
{
    PhpHighlight::Rules rules{.keywords = Keywords, .blanks = " \t\n", .openTagBlanks = " \t\n"};
    rules.shortOpenTag = choices.contains("short");
    rules.attributes = choices.contains("attributes");
    rules.leadingDotNumbers = choices.contains("dot");
    rules.backticks = choices.contains("backticks");
    rules.escapedDollarIsText = choices.contains("escapes");
    return rules;
}

// The colouring written short: a colour's span as its initial and braces
// (C comment, D name, K keyword, S string), text outside spans as it is,
// and the entities and breaks as the characters they stand for.
QString Short(const std::string& html)
{
    QString s = QString::fromStdString(html);
    for (const auto& [colour, letter] : {std::pair{PhpHighlight::Comment, "C{"},
                                         {PhpHighlight::Default, "D{"},
                                         {PhpHighlight::Keyword, "K{"},
                                         {PhpHighlight::String, "S{"}})
        s.replace(QString("<span style=\"color: %1\">").arg(QString::fromUtf8(colour.data(), qsizetype(colour.size()))),
                  letter);
    s.replace("</span>", "}").replace("<br />", "\n").replace("&nbsp;", " ");
    return s.replace("&lt;", "<").replace("&gt;", ">").replace("&amp;", "&");
}

QString Coloured(const QString& code, const QString& choices)
{
    std::string html;
    PhpHighlight::Append(html, code.toStdString(), RulesWith(choices));
    return Short(html);
}

}  // namespace

class tst_PhpHighlight : public QObject {
    Q_OBJECT
private slots:
    void tokens_data();
    void tokens();
    void rulesChangeTheColouring_data();
    void rulesChangeTheColouring();
    void writesEntitiesBreaksAndTabs();
    void appendsToWhatIsThere();
};

void tst_PhpHighlight::tokens_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("coloured");
    QTest::newRow("text outside PHP has no span, the tags are names") << "a<?php echo 1; ?>b"
                                                                      << "a"
                                                                         "D{<?php }K{echo }D{1}K{; }D{?>}b";
    QTest::newRow("one blank after the opening tag belongs to it") << "<?php  $a"
                                                                   << "D{<?php  $a}";
    QTest::newRow("a newline after the closing tag belongs to it") << "<?php 1?>\nx"
                                                                   << "D{<?php 1?>\n}x";
    QTest::newRow("keywords in any case, other names not") << "<?php ECHO Echo echoes Function"
                                                           << "D{<?php }K{ECHO Echo }D{echoes }K{Function}";
    QTest::newRow("line comment ends before the closing tag") << "<?php // c ?>x"
                                                              << "D{<?php }C{// c }D{?>}x";
    QTest::newRow("block comment runs over lines") << "<?php /* a\nb */$x"
                                                   << "D{<?php }C{/* a\nb */}D{$x}";
    QTest::newRow("hash starts a comment, white space keeps its colour") << "<?php #c\n$x"
                                                                         << "D{<?php }C{#c\n}D{$x}";
    QTest::newRow("casts in any case and spacing are one keyword")
        << "<?php (int)$a ( Bool )$b (foo)"
        << "D{<?php }K{(int)}D{$a }K{( Bool )}D{$b }K{(}D{foo}K{)}";
    QTest::newRow("single quotes hold no variables") << "<?php 'a$b\\'c'"
                                                     << "D{<?php }S{'a$b\\'c'}";
    QTest::newRow("double quotes show their variables") << "<?php \"x $a y\""
                                                        << "D{<?php }S{\"x }D{$a}S{ y\"}";
    QTest::newRow("an unclosed string runs to the end") << "<?php \"abc"
                                                        << "D{<?php }S{\"abc}";
    QTest::newRow("namespaced names are one token") << "<?php \\Foo\\echo"
                                                    << "D{<?php \\Foo\\echo}";
    QTest::newRow("<?= opens PHP") << "<?=$a?>"
                                   << "D{<?=$a?>}";
}

void tst_PhpHighlight::tokens()
{
    QFETCH(QString, code);
    QFETCH(QString, coloured);
    QCOMPARE(Coloured(code, {}), coloured);
}

void tst_PhpHighlight::rulesChangeTheColouring_data()
{
    // The same code without and with one choice.
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("choice");
    QTest::addColumn<QString>("without");
    QTest::addColumn<QString>("with");
    QTest::newRow("short opening tag") << "<? echo 1;"
                                       << "short"
                                       << "<? echo 1;"
                                       << "D{<? }K{echo }D{1}K{;}";
    QTest::newRow("long opening tag before a name") << "<?phpecho"
                                                    << "short"
                                                    << "D{<?php}K{echo}"
                                                    << "D{<?phpecho}";
    QTest::newRow("attribute") << "<?php #[A]"
                               << "attributes"
                               << "D{<?php }C{#[A]}"
                               << "D{<?php }K{#[}D{A}K{]}";
    QTest::newRow("number starting with a dot") << "<?php .5"
                                                << "dot"
                                                << "D{<?php }K{.}D{5}"
                                                << "D{<?php .5}";
    QTest::newRow("backtick command") << "<?php `ls`"
                                      << "backticks"
                                      << "D{<?php }K{`}D{ls}K{`}"
                                      << "D{<?php }K{`ls`}";
    QTest::newRow("backtick command with a variable") << "<?php `ls $d`"
                                                      << "backticks"
                                                      << "D{<?php }K{`}D{ls $d}K{`}"
                                                      << "D{<?php }S{`ls }D{$d}S{`}";
    QTest::newRow("dollar after a backslash in a string with variables") << "<?php \"$a \\$b\""
                                                                         << "escapes"
                                                                         << "D{<?php }S{\"}D{$a}S{ \\}D{$b}S{\"}"
                                                                         << "D{<?php }S{\"}D{$a}S{ \\$b\"}";
}

void tst_PhpHighlight::rulesChangeTheColouring()
{
    QFETCH(QString, code);
    QFETCH(QString, choice);
    QFETCH(QString, without);
    QFETCH(QString, with);
    QCOMPARE(Coloured(code, {}), without);
    QCOMPARE(Coloured(code, choice), with);
}

void tst_PhpHighlight::writesEntitiesBreaksAndTabs()
{
    std::string html;
    PhpHighlight::Append(html, "x&<?php '<\t>'\n", RulesWith({}));
    QCOMPARE(QString::fromStdString(html),
             "x&amp;<span style=\"color: #0000BB\">&lt;?php&nbsp;</span><span style=\"color: "
             "#DD0000\">'&lt;&nbsp;&nbsp;&nbsp;&nbsp;&gt;'<br /></span>");
}

void tst_PhpHighlight::appendsToWhatIsThere()
{
    std::string html = "<code>";
    PhpHighlight::Append(html, "a", RulesWith({}));
    QCOMPARE(html, std::string("<code>a"));
}

QF_TEST_MAIN(tst_PhpHighlight)
#include "tst_phphighlight.moc"
