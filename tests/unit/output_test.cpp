// The output pipeline: the text buffer, plain and HTML formatting, console
// wrapping, justification, centring, the pager, the log and the modes that
// print to the console.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "display.h"
#include "input.h"
#include "startup.h"
#include "state.h"
#include "text.h"

namespace {

const std::string SPAN = "<span class='query' id='prompt'></span>";

class Output : public ::testing::Test {
protected:
    char *con_data = nullptr;
    size_t con_size = 0;
    size_t con_seen = 0;
    FILE *saved_out = nullptr;
    FILE *saved_in = nullptr;

    void SetUp() override {
        kernel_reset();  // the console's geometry: 24 lines of 80, margin 1
        mode = MODE_CONSOLE;
        console_tty = 0;
        wsock = -1;
        saved_out = console_out;
        saved_in = console_in;
        console_out = open_memstream(&con_data, &con_size);
        if (!obuf) format_buffer(0, 0);  // the run's first flush is behind us
    }
    void TearDown() override {
        fclose(console_out);
        console_out = saved_out;
        console_in = saved_in;
        free(con_data);
        zap_text();
        log_file = nullptr;
        com_file = nullptr;
    }
    void put(const std::string &text) {
        for (char c : text) outbyte(static_cast<unsigned char>(c));
    }
    std::string pending() { return std::string(text_buf, lptr); }
    // What the console shows since the last call.
    std::string console() {
        fflush(console_out);
        std::string s(con_data + con_seen, con_size - con_seen);
        con_seen = con_size;
        return s;
    }
    std::string formatted(const std::string &text, int html, int flag = 0) {
        zap_text();
        put(text);
        format_buffer(flag, html);
        return std::string(obuf + http_offset);
    }
    // Flush text to the console: what was shown, and the prompt left over.
    std::string shown(const std::string &text) {
        zap_text();
        put(text);
        outbuf(0);
        return console();
    }
};

std::string rep(char c, int n) { return std::string(size_t(n), c); }

TEST_F(Output, BlankLinesAreLimitedToOne) {
    struct Case {
        std::vector<int> bytes;
        std::string want;
    } cases[] = {
        {{'a', '\n', '\n', '\n', '\n', '\n', 'b'}, "a\n\nb"},
        {{'a', '\n', '\n', 0, '\n', TC_CENTRE_END, '\n', 'b'}, "a\n\n\x13" "b"},
        {{'a', '\n', '\n', 'b', '\n', '\n', '\n', 'c'}, "a\n\nb\n\nc"},
    };
    for (const Case &c : cases) {
        zap_text();
        eol_count = 0;
        for (int b : c.bytes) outbyte(b);
        EXPECT_EQ(pending(), c.want);
    }
}

TEST_F(Output, RawBytesSkipTheShiftAndTheCapitals) {
    value[KV_DWARVISH] = 1;
    upcase = 2;
    outbyte_raw('a');
    outbyte('a');
    upcase = 2;
    outbyte('a');
    EXPECT_EQ(pending(), "abB");
}

// The first letter of a sentence is made a capital when it is a plain
// letter; a letter of more than one byte is the first letter all the same,
// left as it is, and so is everything after it.
TEST_F(Output, SentenceStartingWithAUtf8LetterIsLeftAsItIs) {
    struct {
        const char *text, *want;
    } cases[] = {
        {"abc, you say.", "Abc, you say."},
        {"\"\xC3\xA9\xC3\xA9\", you say.", "\"\xC3\xA9\xC3\xA9\", you say."},
        {"\xC3\xA9 is not a word I know", "\xC3\xA9 is not a word I know"},
    };
    for (const auto &c : cases) {
        zap_text();
        upcase = 2;
        put(c.text);
        EXPECT_EQ(pending(), c.want);
    }
}

TEST_F(Output, GlueAndZap) {
    put("abc\n\n");
    glue_text();
    EXPECT_EQ(pending(), "abc");
    EXPECT_EQ(text_len, 3);
    put("\n\n\nx");
    EXPECT_EQ(pending(), "abc\n\nx");
    zap_text();
    put("\n\n");
    glue_text();  // never before the start
    EXPECT_EQ(pending(), "");
    orl_skip = 2;
    put("abc");
    zap_text();
    EXPECT_EQ(pending(), "");
    EXPECT_EQ(text_len, 0);
    EXPECT_EQ(orl_skip, 0);
}

TEST_F(Output, ConsoleFlushByCompression) {
    struct Case {
        int compress, quitting;
        std::string text, want, prompt;
    } cases[] = {
        {0, 0, "Hello.\n", " Hello.\n \n", " ? "},
        {1, 0, "Hello.\n", " Hello.\n", " ? "},
        {2, 0, "Hello.\n", " Hello.\n", " ? "},
        {0, 0, "A.\n\nB.\n", " A.\n \n B.\n \n", " ? "},
        {1, 0, "A.\n\nB.\n", " A.\n \n B.\n", " ? "},
        {2, 0, "A.\n\nB.\n", " A.\n B.\n", " ? "},
        {0, 0, "Really? ", "", " Really? "},
        {0, 0, "Really?", "", " Really? "},
        {0, 0, "Hello.  \n\n", " Hello.\n \n", " ? "},
        {1, 0, "Line one.\nLine two? ", " Line one.\n", " Line two? "},
        {0, 1, "Bye.\n", " Bye.\n", ""},
        {1, 0, "One\x1a\nTwo.\n", " OneTwo.\n", " ? "},
    };
    for (const Case &c : cases) {
        compress = c.compress;
        quitting = c.quitting;
        EXPECT_EQ(shown(c.text), c.want) << c.text;
        EXPECT_EQ(std::string(prompt_line), c.prompt) << c.text;
        EXPECT_EQ(text_len, 0);
    }
}

TEST_F(Output, EveryModeButTheBrowserPrintsToTheConsole) {
    Margin = 0;
    for (int m : {MODE_PLAIN, MODE_CONSOLE, MODE_RESTORE_STOP, MODE_ONE_COMMAND, MODE_ONE_DONE}) {
        mode = m;
        EXPECT_EQ(shown("Hi.\n"), "Hi.\n\n") << m;
        EXPECT_EQ(std::string(prompt_line), "? ") << m;
    }
    // The browser without a held request: nothing is written anywhere and
    // the turn's output is still used up.
    mode = MODE_BROWSER;
    EXPECT_EQ(shown("Hi.\n"), "");
    EXPECT_EQ(text_len, 0);
}

TEST_F(Output, WrappingAtTheLineLength) {
    compress = 1;
    struct Case {
        std::string text, want;
    } cases[] = {
        // the 79th character is a blank: 78 on the line
        {rep('a', 78) + " tail\n", " " + rep('a', 78) + "\n tail\n"},
        // exactly 79 characters stay on one line
        {rep('a', 79) + "\n", " " + rep('a', 79) + "\n"},
        // a hyphen in the last place stays with its line
        {rep('a', 78) + "-bcd\n", " " + rep('a', 78) + "-\n bcd\n"},
        // no blank: cut after 80 characters, the trailing blank dropped
        {rep('a', 79) + " tail\n", " " + rep('a', 79) + "\n tail\n"},
        {rep('a', 100) + "\n", " " + rep('a', 80) + "\n " + rep('a', 20) + "\n"},
        {"aa bb " + rep('c', 76) + "\n", " aa bb\n " + rep('c', 76) + "\n"},
    };
    for (const Case &c : cases) EXPECT_EQ(shown(c.text), c.want) << c.text;
}

TEST_F(Output, HardSpaceIsNeverALineBreak) {
    compress = 1;
    Margin = 0;
    Maxlen = 20;
    EXPECT_EQ(shown("aaaa bbbbbbbbbbbb\x15" "cccc\n"), "aaaa\nbbbbbbbbbbbb cccc\n");
}

TEST_F(Output, JustificationSharesTheGaps) {
    compress = 1;
    Margin = 0;
    Maxlen = 20;
    justify = 1;
    EXPECT_EQ(shown("ab cd ef gh abcdefghij\n"), "ab    cd    ef    gh\nabcdefghij\n");
    flip = 0;
    EXPECT_EQ(shown("ab cd ef g abcdefghijklmnop\nab cd ef g abcdefghijklmnop\n"),
              "ab    cd    ef     g\nabcdefghijklmnop\nab     cd    ef    g\nabcdefghijklmnop\n");
    // A full line with a gap takes its turn too.
    flip = 0;
    EXPECT_EQ(shown("aaaaaaaaa bbbbbbbbbb ab cd ef g abcdefghijklmnop\n"),
              "aaaaaaaaa bbbbbbbbbb\nab     cd    ef    g\nabcdefghijklmnop\n");
}

TEST_F(Output, CentredLinesAndBlocks) {
    struct Case {
        int html;
        std::string text, want;
    } cases[] = {
        {0, "\x12Title\n\x13\nBody.\n", rep(' ', 33) + "Title\nBody.\n\n? "},
        {0, "\x12   Title\n\x13\nBody.\n", rep(' ', 33) + "Title\nBody.\n\n? "},
        {1, "\x12Title\n\x13\nBody.\n",
         "t<div style='text-align:center'>Title<br></div>Body.<br>&nbsp;<br>" + SPAN},
        {0, "\x14  ab\n    abcd\n\x13\nEnd.\n", rep(' ', 34) + "ab\n" + rep(' ', 34) + "  abcd\nEnd.\n\n? "},
        {1, "\x14  ab\n    abcd\n\x13\nEnd.\n",
         "t<table style='margin:auto' width=automatic><tr><td>ab<br>&nbsp; abcd</td></tr></table>End.<br>&nbsp;<br>" +
             SPAN},
        {1, "\x18  ab\n    abcd\n\x13\nEnd.\n",
         "t<table style='margin:auto' width=automatic><tr><td><pre>ab<br>&nbsp; abcd</pre></td></tr></table>End."
         "<br>&nbsp;<br>" +
             SPAN},
        // Only a newline after the end byte goes with the section.
        {0, "\x12Hi\n\x13" "End.\n", rep(' ', 35) + "Hi\nEnd.\n\n? "},
        // A centred section without its end runs to the end of the text.
        {0, "\x12Title", rep(' ', 33) + "Title\n "},
    };
    for (const Case &c : cases) EXPECT_EQ(formatted(c.text, c.html), c.want) << c.text;
}

TEST_F(Output, TagsAreMarkupInHtmlAndDroppedInPlainText) {
    const std::string bold = "\x17" "b\x16" "bold\x17/b\x16 word\n";
    EXPECT_EQ(formatted(bold, 0), "bold word\n\n? ");
    EXPECT_EQ(formatted(bold, 1), "t<b>bold</b> word<br>&nbsp;<br>" + SPAN);
    const std::string centred = "\x12\x17" "b\x16Hi\x17/b\x16\n\x13\n";
    EXPECT_EQ(formatted(centred, 0), rep(' ', 31) + "Hi\n\n? ");
    EXPECT_EQ(formatted(centred, 1), "t<div style='text-align:center'><b>Hi</b><br></div><br>&nbsp;<br>" + SPAN);
}

TEST_F(Output, HtmlPromptAndReplyLetters) {
    struct Case {
        int mode, compress, quitting, flag;
        std::string text, want;
    } cases[] = {
        {1, 0, 0, 0, "Where? ", "qWhere<span class='query' id='prompt'>? </span><br>&nbsp;<br>"},
        {1, 1, 0, 0, "Where? ", "qWhere<span class='query' id='prompt'>? </span>"},
        {1, 0, 0, 1, "Where? ", "qWhere<span> ? </span><br>&nbsp;<br>"},
        {1, 0, 0, 0, "Hello.\n", "tHello.<br>&nbsp;<br>" + SPAN},
        {1, 1, 0, 0, "Hello.\n", "cHello." + SPAN},
        {2, 1, 0, 0, "Hello.\n", "tHello." + SPAN},
        {1, 0, 1, 0, "Bye.\n", "fBye.<br>&nbsp;<br>" + SPAN},
        {1, 0, 0, 0, "A.\n\nB.\nC.\n", "tA.<br>&nbsp;<br>B.<br>C.<br>&nbsp;<br>" + SPAN},
        {1, 2, 0, 0, "A.\n\nB.\n", "cA.<br>B." + SPAN},
        {1, 0, 0, 0, "\n\nLead.\n", "tLead.<br>&nbsp;<br>" + SPAN},
        {1, 0, 0, 0, "One\x1a\nTwo.\n", "tOneTwo.<br>&nbsp;<br>" + SPAN},
        {1, 0, 0, 0, "a \"b\" <c>  d\x15" "e\n", "ta &quot;b&quot; &lt;c&gt;&nbsp; d&nbsp;e<br>&nbsp;<br>" + SPAN},
        // A prompt on a line of its own stays there.
        {1, 0, 0, 0, "Door.\n> ", "qDoor.<br><span class='query' id='prompt'>&gt; </span><br>&nbsp;<br>"},
        // A lone blank is set apart itself: there is nothing before it.
        {1, 0, 0, 0, " ", "q<span class='query' id='prompt'>  </span><br>&nbsp;<br>"},
    };
    for (const Case &c : cases) {
        mode = c.mode;
        compress = c.compress;
        quitting = c.quitting;
        EXPECT_EQ(formatted(c.text, 1, c.flag), c.want) << c.text;
    }
}

TEST_F(Output, TheLogGetsTheTextAndThePromptOnlyInTheBrowser) {
    char *log_data = nullptr;
    size_t log_size = 0;
    log_file = open_memstream(&log_data, &log_size);
    EXPECT_EQ(shown("Hello.\n"), " Hello.\n \n");
    fflush(log_file);
    EXPECT_EQ(std::string(log_data, log_size), " Hello.\n \n");  // the reader logs the prompt

    mode = MODE_BROWSER;
    Margin = 0;
    shown("Hello there, " + rep('x', 70) + "\n");
    fflush(log_file);
    EXPECT_EQ(std::string(log_data, log_size), " Hello.\n \nHello there,\n" + rep('x', 70) + "\n\n? ");
    fclose(log_file);
    log_file = nullptr;
    free(log_data);
}

TEST_F(Output, PagerStopsAtTheScreenEnd) {
    Screen = 5;
    console_tty = 1;
    char reply[] = "n\n";
    console_in = fmemopen(reply, strlen(reply), "r");
    EXPECT_EQ(shown("1\n2\n3\n4\n5\n6\n"), " 1\n 2\n 3\n [More?]  OK.\n\n");
    EXPECT_EQ(std::string(prompt_line), " ? ");
    fclose(console_in);

    scrchk(nullptr);
    EXPECT_EQ(lincnt, 0);
    char go_on[] = "\n\n";
    console_in = fmemopen(go_on, strlen(go_on), "r");
    EXPECT_EQ(shown("1\n2\n3\n4\n5\n6\n"), " 1\n 2\n 3\n [More?]  4\n 5\n [More?]  6\n \n");
    EXPECT_EQ(std::string(prompt_line), " ? ");
    fclose(console_in);
}

TEST_F(Output, PagerIsOffWithACommandFileOrWithoutLineEditing) {
    Screen = 5;
    console_tty = 1;
    const std::string all = " 1\n 2\n 3\n 4\n 5\n 6\n \n";
    com_file = stdin;  // any open command file
    scrchk(nullptr);
    EXPECT_EQ(shown("1\n2\n3\n4\n5\n6\n"), all);
    com_file = nullptr;
    mode = MODE_PLAIN;
    scrchk(nullptr);
    EXPECT_EQ(shown("1\n2\n3\n4\n5\n6\n"), all);
}

TEST_F(Output, PromptLineGrowsWithTheLineLength) {
    Linlen = 600;
    Maxlen = 598;  // a width read after the buffer was sized
    EXPECT_EQ(shown(rep('x', 550) + "\n" + rep('y', 500) + "? "), " " + rep('x', 550) + "\n");
    EXPECT_EQ(std::string(prompt_line), " " + rep('y', 500) + "? ");
    prompt_alloc();
    EXPECT_GE(prompt_len, 2 * Maxlen + 1);
    EXPECT_EQ(std::string(prompt_line), " " + rep('y', 500) + "? ") << "resizing keeps the content";
}

TEST_F(Output, LongTurnGrowsBothBuffers) {
    compress = 1;
    std::string text;
    for (int i = 0; i < 2000; i++) text += "word ";
    text += "\n";
    std::string got = shown(text);
    size_t lines = 0, words = 0;
    for (size_t i = 0; i < got.size(); i++) {
        if (got[i] == '\n') lines++;
        if (got.compare(i, 4, "word") == 0) words++;
    }
    EXPECT_EQ(words, 2000u);
    EXPECT_EQ(lines, 2000u / 15 + 1);  // 15 words fill 74 of the 78 columns
    EXPECT_GE(text_buf_len, 10000);
}

TEST_F(Output, PacingPausesBeforeEachCharacter) {
    cps = 10;
    auto start = std::chrono::steady_clock::now();
    showline("abc");
    auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start).count();
    EXPECT_GE(ms, 30);
    EXPECT_EQ(console(), "abc");
}

}  // namespace
