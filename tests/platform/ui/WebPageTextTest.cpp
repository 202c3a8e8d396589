// The web view stand-in shows a page as its text: the reader keeps the
// blocks a help page is made of and survives markup it does not know or
// that is cut off; a local page that finishes loading is laid out as
// labels, a failed load or a remote page shows nothing.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "platform/foundation/URL.h"
#include "platform/ui/WebPageText.h"
#include "platform/ui/WebView.h"
#include "tests/support/Harness.h"

namespace {

using Kind = ui::WebPageBlock::Kind;
using Blocks = std::vector<ui::WebPageBlock>;

TEST(WebPageText, ReadsTheBlocksOfAPage) {
    struct Case {
        const char* what;
        std::string html;
        Blocks blocks;
    };
    const std::vector<Case> cases{
        {"a help page",
         "<!DOCTYPE html><html><head><title>T</title><style>p{color:red}</style></head><body>"
         "<h1>Health  mode</h1>\n<p>Lower\n   the signal.</p><h2>Schedule</h2><ul><li>One</li><li>Two</li></ul>"
         "<p class=\"note\">Go back one step.</p></body></html>",
         {{Kind::Heading1, "Health mode"}, {Kind::Paragraph, "Lower the signal."}, {Kind::Heading2, "Schedule"},
          {Kind::ListItem, "One"}, {Kind::ListItem, "Two"}, {Kind::Note, "Go back one step."}}},
        {"inline markup, entities and comments",
         "<p>A <b>bold</b> &amp; <a href=\"x\">linked</a> word&#33; &#x4E2D;&lt;3 &bogus; &<!-- hidden --></p>",
         {{Kind::Paragraph, "A bold & linked word! \xE4\xB8\xAD<3 &bogus; &"}}},
        {"scripts give nothing", "<script>var p = '<p>no</p>';</script><p>yes</p>", {{Kind::Paragraph, "yes"}}},
        {"text outside any block", "just text", {{Kind::Paragraph, "just text"}}},
        {"cut off inside a tag", "<p>kept</p><p class=\"no", {{Kind::Paragraph, "kept"}}},
        {"unclosed blocks end with the page", "<h1>Title<p>Body", {{Kind::Heading1, "Title"}, {Kind::Paragraph, "Body"}}},
        {"stray closing tags and huge numbers", "</p></li>x&#99999999;", {{Kind::Paragraph, "x\xEF\xBF\xBD"}}},
        {"nothing", "", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(ui::webPageBlocks(c.html), c.blocks);
    }
}

TEST(WebPageText, ALocalPageThatLoadsIsShownAsLabelsAndAFailedOneIsNot) {
    const auto file = std::filesystem::temp_directory_path() / "keelbox-webview-page.html";
    std::ofstream(file) << "<h1>Title</h1><p>A paragraph long enough to wrap onto a second line in a narrow view.</p>";
    auto web = ui::WebView::create(cg::RectMake(0, 0, 200, 400));
    web->loadRequest(ns::URL::fileURLWithPath(file.string())->absoluteString());
    keelbox::test::drainMainLoop();
    ASSERT_EQ(web->pageLabels().size(), 2u);
    const auto& title = *web->pageLabels()[0];
    const auto& body = *web->pageLabels()[1];
    EXPECT_EQ(title.text(), "Title");
    EXPECT_GT(body.frame().origin.y, cg::RectGetMaxY(title.frame())) << "blocks stack downwards";
    EXPECT_GT(body.frame().size.height, title.frame().size.height) << "the long paragraph wraps";
    EXPECT_LE(cg::RectGetMaxX(body.frame()), 200.0);
    EXPECT_GE(web->scrollView()->contentSize().height, cg::RectGetMaxY(body.frame()));

    web->setLoadOutcome([](const std::string&) { return ns::Error::create("test", 1); });
    web->loadHTMLString("<p>never shown</p>", "");
    keelbox::test::drainMainLoop();
    EXPECT_EQ(web->pageLabels().size(), 2u) << "a failed load leaves the page as it was";

    web->setLoadOutcome(nullptr);
    web->loadRequest("https://example.com/page");
    keelbox::test::drainMainLoop();
    EXPECT_TRUE(web->pageLabels().empty()) << "remote pages are not fetched";
    std::filesystem::remove(file);
}

}  // namespace
