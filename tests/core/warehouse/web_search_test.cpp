#include "core/warehouse/web_search.h"

#include <gtest/gtest.h>

namespace corvelo {
namespace {

TEST(WebSearchTest, BrandAndModelAreOneEncodedQuery) {
    struct Case {
        std::string marca, modello, query;
    };
    const Case cases[] = {
        {" AT&T ", "X-1", "AT%26T%20X-1"},
        {"Bosch", "", "Bosch%20"},  // the blank stays, as with any model
        {"Caffè", "n.1 #2?", "Caff%C3%A8%20n.1%20%232%3F"},
        {"a+b", "\"q\"", "a%2Bb%20%22q%22"},
    };
    for (const Case& c : cases) {
        const WebSearch w = WebSearchFor(c.marca, c.modello);
        EXPECT_TRUE(w.notice.empty());
        EXPECT_EQ(w.address, std::string(kWebSearchPage) + c.query);
    }
}

TEST(WebSearchTest, NoBrandNoSearch) {
    const WebSearch w = WebSearchFor("   ", "X-1");
    EXPECT_EQ(w.address, "");
    EXPECT_EQ(w.notice, (Notice{NoticeKind::kWarning, std::string(kMsgMarcaMancante)}));
    EXPECT_EQ(w.focus, "txtMarca");
}

}  // namespace
}  // namespace corvelo
