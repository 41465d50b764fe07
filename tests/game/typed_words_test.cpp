// A word as the player typed it can be any word at all: no variant of any
// text puts "a" or "an" before it ("I've never heard of a "iron"").
#include <regex>

#include "harness.h"
#include "prose_check.h"

namespace {

TEST(TypedWords, NoArticleBeforeATypedWord) {
    const std::string root = SOURCE_DIR;
    const prose::source src =
        prose::read_source(prose::fab_files(root + "/game/text"), prose::read_constants(root + "/game/constants.h"));
    static const std::regex article(R"(\b[Aa]n?\s+"?\{word\})");
    int texts = 0;
    prose::each_text(src, [&](const prose::entry &e, const std::string &field, const std::string &body) {
        if (body.find("{word}") == std::string::npos) return;
        texts++;
        // Every variant and switch part is in the body.
        std::smatch m;
        if (std::regex_search(body, m, article))
            ADD_FAILURE() << prose::where(e, field) << "puts an article before the typed word: " << m.str();
    });
    EXPECT_GT(texts, 20);  // the texts that name a typed word were read
}

}  // namespace
