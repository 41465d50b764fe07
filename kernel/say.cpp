// The say operation: picks the text of an entity (name or description),
// picks a text's variant by its kind and counter, and interprets the
// control bytes inside it (switches, nested says, holders, the letter
// shift), handing every printable byte to the output pipeline. Also voc,
// one item of a comma-separated word list.
#include <cstdio>

#include "input.h"
#include "startup.h"
#include "state.h"
#include "text.h"

int ta;  // the text cursor: the database byte being said; a nested say puts it back
int vc;  // the number of items in the word list that voc is building

// Nested says deeper than this are cut off: a text that says itself would
// otherwise recurse without end.
constexpr int NEST_LIMIT = 16;
static int nest_depth;

constexpr int TRANSCRIPT_MARKER = 3495;

static bool valid_refno(int r) { return r >= 0 && r <= LAST_TEXT; }

static void say_number(int n) {
    char buf[16];
    snprintf(buf, sizeof buf, "%d", n);
    outstr(buf);
}

// The own text of refno e as it stands (a name or a word): no leading "!",
// no control bytes interpreted. A bad refno prints nothing. A name or a
// word holds no control byte: one met means that e is a text, whose bytes
// past it are its switch table and variants, so the name ends there.
static void say_raw_name(int e) {
    if (!valid_refno(e)) return;
    int p = textadr[e];
    if (p == 0) return;
    if (get_char(p) == '!') p++;
    for (int c; (c = get_char(p)) >= 0x20 || c == '\n'; p++) outbyte(c);
}

static const char *typed_word(int r) {
    return r == KV_ARG1 ? arg1_word : r == KV_ARG2 ? arg2_word : arg3_word;
}

static bool is_word_slot(int r) { return r == KV_ARG1 || r == KV_ARG2 || r == KV_ARG3; }

// The variant of text r chosen by its kind and counter, starting from arg.
static int choose_variant(int r, int arg) {
    int kind = text_info[(r - FIRST_TEXT) * 2];
    int count = text_info[(r - FIRST_TEXT) * 2 + 1];
    int variant = arg;
    switch (kind) {
    case TKIND_RANDOM:
        if (count <= 1) {
            variant = 0;
        } else {
            variant = irand(count - 1);
            if (variant >= value[r]) variant++;
        }
        value[r] = variant;
        break;
    case TKIND_INCREMENTAL:
        variant = value[r];
        if (value[r] < count - 1) value[r]++;
        break;
    case TKIND_CYCLIC:
        variant = value[r];
        value[r] = value[r] >= count - 1 ? 0 : value[r] + 1;
        break;
    case TKIND_ASSIGNED:
        variant = value[r];
        break;
    case TKIND_TIED:
        variant = valid_refno(value[r]) ? value[value[r]] : 0;
        break;
    default:
        if (arg == KV_ARG2 && value[KV_ARG2] >= 0 && valid_refno(value[KV_ARG2]))
            variant = value[value[KV_ARG2]];
    }
    return variant;
}

// The start of entity r's text for this say, 0 for none.
static int start_position(int q, int r) {
    if (r > LAST_PLACE || (q & SAY_NAME)) return textadr[r];
    if (r >= FIRST_PLACE) {
        if (q & SAY_DETAIL) return long_desc[r];
        bool visited_only = bitest(KV_COMMAND_STATUS, 1);
        bool brief_all = bitest(KV_COMMAND_STATUS, 2);
        if (!visited_only && !brief_all) return long_desc[r];
        if (brief_all) return brief_desc[r];
        return bitest(r, 4) ? brief_desc[r] : long_desc[r];
    }
    if (r >= FIRST_OBJECT) {
        if (q & SAY_DETAIL) return detail_desc[r];
        return location[r] == K_CARRIED ? brief_desc[r] : long_desc[r];
    }
    return 0;
}

void (*say_hook)(int qualifiers, int refno, int argument) = nullptr;

// The entity whose name a holder prints. With SAY_ARGVAR: the object or
// place the call named, else the entity the named variable holds when that
// is an object or a place; otherwise the argument as it stands.
static int holder_entity(int q, int call_arg, int held_arg, int arg) {
    if (!(q & SAY_ARGVAR)) return arg;
    if (call_arg >= FIRST_OBJECT && call_arg <= LAST_PLACE) return call_arg;
    return held_arg <= LAST_PLACE ? held_arg : arg;
}

void say(int q, int r, int arg) {
    if (say_hook && nest_depth == 0) say_hook(q, r, arg);
    text_setup();
    // The call's own argument is kept: with SAY_ARGVAR on an object or a
    // place, a holder names that entity, whatever its state is.
    const int call_arg = arg;
    if (q & SAY_REFVAR) {
        if (!valid_refno(r)) goto done;
        int v = value[r];
        if (is_word_slot(r) && v <= PARSE_UNKNOWN && v >= PARSE_BAD_SYNTAX) {
            q |= SAY_NAME;
        } else {
            int16_t *w = bitword(r);
            if (!w || *w != ref_mark) {
                say_number(v);
                return;
            }
            r = v;
        }
    }
    if ((q & SAY_ARGVAR) && valid_refno(arg) && !(is_word_slot(arg) && !(q & SAY_NUMBER)))
        arg = value[arg];
    {
        // A refno outside the database (a marked variable holding -1, a
        // missing word) says nothing; SAY_STOP still takes effect.
        if (!valid_refno(r)) goto done;
        const int held_arg = arg;  // the value a variable argument holds
        if ((q & SAY_NAME) && (r == KV_ARG1 || r == KV_ARG2)) {
            outstr(typed_word(r));
            return;
        }
        int p = start_position(q, r);
        if (p == 0 || get_char(p) == 0) goto marker;
        int variant = r >= FIRST_TEXT ? choose_variant(r, arg) : arg;
        if (!(q & SAY_ARG)) arg = r <= LAST_PLACE ? value[r] : r;
        bool cyclic = r >= FIRST_TEXT && text_info[(r - FIRST_TEXT) * 2] == TKIND_CYCLIC;
        int sel_base = r >= FIRST_TEXT ? variant : arg;
        int switch_end = -1;  // where output resumes after the open switch
        for (ta = p;; ta++) {
            int c = get_char(ta);
            if (c == 0) break;
            switch (c) {
            case TC_NEST:
                nested_say(ta + 1, q, arg);  // leaves ta on the record's last byte
                break;
            case TC_SHIFT:
                extra_dwarvish = !extra_dwarvish;
                break;
            case TC_SWITCH: {
                int n = get_char(ta + 1);
                int b = ta + 2 * n + 2;
                if (n < 1) {
                    ta = b - 1;
                    break;
                }
                int sel = sel_base;
                if (cyclic && sel >= n) sel %= n;
                if (sel < 0) sel = 0;
                if (sel > n - 1) sel = n - 1;
                auto offset = [&](int k) { return get_char(ta + 2 + 2 * k) << 8 | get_char(ta + 3 + 2 * k); };
                int start = sel == 0 ? b : b + offset(sel - 1);
                switch_end = b + offset(n - 1);
                ta = start - 1;
                break;
            }
            case TC_SWITCH_END:
                // Without an open switch there is nowhere to resume: ignored.
                if (switch_end >= 0) {
                    ta = switch_end - 1;
                    switch_end = -1;
                }
                break;
            case TC_HOLDER:
            case TC_NUMBER:
                if (upcase) upcase = 2;
                if ((q & SAY_NUMBER) || c == TC_NUMBER)
                    say_number(arg);
                else if (is_word_slot(arg))
                    outstr(typed_word(arg));
                else if (arg == -1)
                    outstr(orig);
                else
                    say_raw_name(holder_entity(q, call_arg, held_arg, arg));
                break;
            default:
                outbyte(c);
            }
        }
    }
marker:
    if (r == TRANSCRIPT_MARKER) {
        if (mode == MODE_BROWSER)
            orl_skip = text_len;
        else
            outbuf(0);
    }
done:
    if (q & SAY_STOP) loop = 1;
}

void nested_say(int pos, int q, int arg) {
    int kind = get_char(pos);
    int r = get_char(pos + 1) << 8 | get_char(pos + 2);
    int q2 = (q & (SAY_REFVAR | SAY_ARGVAR | SAY_ARG)) ? SAY_ARG : 0;
    if (!valid_refno(r) || nest_depth >= NEST_LIMIT) {
        // A refno outside the database, or a nest too deep (a text that
        // says itself): the record is skipped.
        glitch(console_out, "GLitch! Nested variable refno out of range!\n");
    } else {
        int a = arg;
        if (kind == 0 || kind == 1) {
            q2 = SAY_NAME;
            a = 0;
        } else if (kind == 3) {
            q2 = SAY_NUMBER | SAY_REFVAR;
            a = 0;
        }
        if (r == KV_ARG1 || r == KV_ARG2) {
            outstr(typed_word(r));
        } else {
            nest_depth++;
            say(q2, r, a);
            nest_depth--;
        }
    }
    ta = pos + 2;
}

void voc(int word, int entity, int flag, int label) {
    if (word == 0) {
        vc = 0;
        if (label) say(0, label, 0);
        return;
    }
    int e = entity ? entity : word;
    if (flag > 0 && !bitest(e, flag)) return;
    if (vc > 0) outstr(", ");
    vc++;
    if (label)
        say(0, label, 0);
    else
        say_raw_name(word);
}
