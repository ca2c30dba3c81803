// SPDX-License-Identifier: MIT
#include "about/ContactPage.h"

#include "base/PagePolicy.h"

namespace ContactPage {

std::string Build(std::string_view formAction)
{
    std::string page;
    page.reserve(1024 + formAction.size());
    // Line 1: the policy that keeps the page's scripts from running, the
    // page, its heading, the form and the table's first row.
    page += PagePolicy::NoScripts;
    page += "<body bgcolor=\"#C0C0C0\">"
            "<p align=\"center\"><font color=\"#0000FF\" size=\"4\">Please send us your comments by filling this "
            "form</font></p>"
            "<form method=\"POST\" action=\"";
    page += formAction;
    page += "\">  <table border=\"0\" width=\"75%\" id=\"table1\" cellspacing=\"0\" cellpadding=\"0\"><tr>\r\n";
    // Line 2: the sender's name, and the label of the sender's address.
    page += "<td height=\"35\" width=\"17%\">From name:</td>"
            " <td height=\"35\" width=\"58%\">    <input type=\"text\" name=\"FromName\" size=\"59\"></td>"
            "</tr><tr>   <td height=\"35\" width=\"17%\">From Address:</td>\r\n";
    // Line 3: the sender's address and the subject.
    page += "<td height=\"35\"><input type=\"text\" name=\"FromAddress\" size=\"59\"></td>"
            "</tr><tr>  <td height=\"35\" width=\"17%\">Subject:</td>"
            "           <td height=\"35\"><input type=\"text\" name=\"Subject\" size=\"59\"></td>\r\n";
    // Line 4: the message and the two buttons.
    page += "</tr></table>"
            "<p dir=\"ltr\">Message:</p>    "
            "<p dir=\"ltr\"><textarea rows=\"7\" name=\"Message\" cols=\"68\"></textarea></p>    "
            "<p dir=\"ltr\"><input type=\"submit\" value=\"Submit\" name=\"B1\"><input type=\"reset\" value=\"Reset\" "
            "name=\"B2\"></p>\r\n";
    // Line 5.
    page += "</form></body>\r\n";
    return page;
}

}  // namespace ContactPage
