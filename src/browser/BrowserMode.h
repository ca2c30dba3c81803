// SPDX-License-Identifier: MIT
#pragma once
// The modes of the browser window: who opens it, which banner it shows, what
// its caption becomes and which page of the writable folder it shows. Every
// shown mode is opened by the same four steps (banner, caption, navigate,
// show modally over the owner); this table is the only place where the modes
// differ. Qt-free.

#include "base/Translatable.h"

#include <array>
#include <string_view>

enum class BrowserMode { Preview, Submission, Contact, AddressTest, HiddenReader };

enum class BrowserBanner { None, SendTopic, ContactUs };

struct BrowserModeRow {
    BrowserMode mode;
    BrowserBanner banner;
    std::string_view caption;   // empty: the loaded caption "Preview post" stays
    std::string_view pageFile;  // the page the program writes into its folder; empty: the caller's address
    bool shown;                 // false: the window only reads a page and is never shown
    bool escapeCloses;          // false: the user types into the page, and Escape must not drop it
};

inline constexpr std::array<BrowserModeRow, 5> BrowserModes = {{
    {BrowserMode::Preview, BrowserBanner::None, {}, "preview.htm", true, true},
    {BrowserMode::Submission, BrowserBanner::SendTopic, QF_TRANSLATABLE("BrowserMode", "Send Topic"), {}, true, false},
    {BrowserMode::Contact, BrowserBanner::ContactUs, QF_TRANSLATABLE("BrowserMode", "Contact us"), "Contact.htm", true,
     false},
    {BrowserMode::AddressTest, BrowserBanner::None, {}, {}, true, true},
    {BrowserMode::HiddenReader, BrowserBanner::None, {}, {}, false, true},
}};

constexpr const BrowserModeRow& RowOf(BrowserMode mode)
{
    for (const BrowserModeRow& row : BrowserModes)
        if (row.mode == mode)
            return row;
    return BrowserModes[0];
}
