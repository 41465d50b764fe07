// The saved image's format: the checksum, the saved game's bytes as they
// are written and read (this layout and older ones), and the names of a
// saved game's files.
#include "image.h"

#include <cctype>
#if defined(__x86_64__)
#include <immintrin.h>
#endif

#include "text.h"

// Layout numbers: first object, last object, last place, last word, first
// text, number of values.
static const int32_t game_layout[6] = {FIRST_OBJECT, LAST_OBJECT, LAST_PLACE,
                                       LAST_WORD,    FIRST_TEXT,  NVALUES};

// A saved game's first line: a longer one is no version stamp of ours.
constexpr int STAMP_LINE_LIMIT = 128;

// ---- The checksum ----------------------------------------------------------

// The checksum's terms: each byte b at position i (from 1) of a region
// adds (b + i) * (b + i) * 16 and the region's length, in 32-bit arithmetic
// kept to 30 bits. Keeping 30 bits once at the end gives the same sum (the
// mask is a power of two less one), so the squares are summed alone, eight
// at a time where the processor can.
static uint32_t squares(const unsigned char *bytes, uint32_t from, uint32_t len) {
    uint32_t acc = 0;
    for (uint32_t i = from; i < len; i++) acc += sum_term(bytes[i], int(i + 1));
    return acc;
}

#if defined(__x86_64__)
__attribute__((target("avx2"))) static uint32_t squares_avx2(const unsigned char *bytes, uint32_t len) {
    __m256i pos = _mm256_setr_epi32(1, 2, 3, 4, 5, 6, 7, 8), step = _mm256_set1_epi32(8);
    __m256i acc = _mm256_setzero_si256();
    uint32_t i = 0;
    for (; i + 8 <= len; i += 8) {
        __m128i eight = _mm_loadl_epi64(reinterpret_cast<const __m128i *>(bytes + i));
        __m256i x = _mm256_add_epi32(_mm256_cvtepi8_epi32(eight), pos);
        acc = _mm256_add_epi32(acc, _mm256_mullo_epi32(x, x));
        pos = _mm256_add_epi32(pos, step);
    }
    uint32_t lanes[8];
    _mm256_storeu_si256(reinterpret_cast<__m256i *>(lanes), acc);
    uint32_t total = 0;
    for (uint32_t v : lanes) total += v;
    return total + squares(bytes, i, len);
}
#endif

uint32_t region_sum(uint32_t sum, const unsigned char *bytes, int len) {
    if (len <= 0) return sum;
    const uint32_t l = uint32_t(len);
#if defined(__x86_64__)
    static const bool avx2 = __builtin_cpu_supports("avx2");
    const uint32_t sq = avx2 ? squares_avx2(bytes, l) : squares(bytes, 0, l);
#else
    const uint32_t sq = squares(bytes, 0, l);
#endif
    return (sum + l * l + sq * 16) & SUM_MASK;
}

// The five regions of an image of a layout, in bytes.
struct regions {
    int size[5];
    int total() const { return size[0] + size[1] + size[2] + size[3] + size[4]; }
};

// With O, P, T and V the last object, last place, first text and number of
// values: value V * 4, location (O + 1) * 4, objbits (O - 2) * 4, placebits
// (P - O) * 4, varbits (T - P) * 2.
static regions region_sizes(const int32_t *lay) {
    int32_t O = lay[1], P = lay[2], T = lay[4], V = lay[5];
    return {{V * 4, (O + 1) * 4, (O - 2) * 4, (P - O) * 4, (T - P) * 2}};
}

static uint32_t image_sum(uint32_t sum, const unsigned char *img, const regions &r) {
    for (int k = 0; k < 5; k++) {
        sum = region_sum(sum, img, r.size[k]);
        img += r.size[k];
    }
    return sum;
}

// The live layout's regions are the ones REGION_AT gives.
static_assert(REGION_AT[2] - REGION_AT[1] == (LAST_OBJECT + 1) * 4 &&
              REGION_AT[5] - REGION_AT[4] == (FIRST_TEXT - LAST_PLACE) * 2);

uint32_t live_image_sum(const unsigned char *img) { return image_sum(0, img, region_sizes(game_layout)); }

// ---- Writing ---------------------------------------------------------------

uint32_t build_game(unsigned char *buf, int64_t now_s) {
    memcpy(buf, VERSION_STAMP, STAMP_LINE - 1);
    buf[STAMP_LINE - 1] = '\n';
    for (int k = 0; k < 6; k++) put32(buf + STAMP_LINE + 4 * k, uint32_t(game_layout[k]));
    value[0] = -1;
    unsigned char *tp8 = buf + HEADER_BYTES;
    uint64_t now = uint64_t(now_s);
    for (int i = 0; i < TIME_BYTES; i++) tp8[i] = (unsigned char)(now >> (8 * i));
    memcpy(tp8 + TIME_BYTES, image_bytes(IMAGE), IMAGE_SIZE);
    uint32_t sum = region_sum(0, tp8, TIME_BYTES);
    sum = image_sum(sum, tp8 + TIME_BYTES, region_sizes(game_layout));
    put32(buf + HEADER_BYTES - 4, sum);
    return sum;
}

// ---- Reading ---------------------------------------------------------------

int check_version(FILE *file) {
    char line[STAMP_LINE_LIMIT];
    int n = 0, c;
    while ((c = getc(file)) != EOF && c != '\n') {
        if (n == int(sizeof line) - 1) return UNREAD_FOREIGN;
        line[n++] = char(c);
    }
    line[n] = 0;
    const char *stamp = VERSION_STAMP;
    if (strcmp(line, stamp) == 0) return 0;
    int i = 0;
    while (isalnum((unsigned char)line[i]) || isalnum((unsigned char)stamp[i])) {
        if (line[i] != stamp[i]) return UNREAD_FOREIGN;
        i++;
    }
    // The game's name matches; compare the versions, major.minor.
    auto version = [](const char *s, int at, long *major, long *minor) {
        while (s[at] && !isdigit((unsigned char)s[at])) at++;
        if (!s[at]) return false;
        long *part = major;
        *major = *minor = 0;
        for (; isdigit((unsigned char)s[at]) || s[at] == '.'; at++) {
            if (s[at] == '.') {
                if (part == minor) break;
                part = minor;
            } else if (*part < 100000) {
                *part = *part * 10 + (s[at] - '0');
            }
        }
        return true;
    };
    long fmaj, fmin, smaj, smin;
    if (!version(line, i, &fmaj, &fmin) || !version(stamp, i, &smaj, &smin)) return UNREAD_FOREIGN;
    if (fmaj > smaj || (fmaj == smaj && fmin > smin)) return UNREAD_NEWER;
    return fmaj != smaj ? UNREAD_FOREIGN : 0;
}

// Checks the layout numbers of a file against this game's: 0 the same, 1 an
// older layout that maps onto this one, -1 refused (newer or inconsistent).
static int check_layout(const int32_t *lay) {
    for (int k = 0; k < 6; k++)
        if (lay[k] > game_layout[k]) return -1;
    if (lay[0] != FIRST_OBJECT) return -1;
    int32_t O = lay[1], P = lay[2], W = lay[3], T = lay[4], V = lay[5];
    // Each class of the file must fit in this game's class.
    if (O < FIRST_OBJECT - 1 || P < O || P - O > LAST_PLACE - LAST_OBJECT) return -1;
    if (W < P || W - P > LAST_WORD - LAST_PLACE) return -1;
    if (T <= W || T - W > FIRST_TEXT - LAST_WORD) return -1;
    if (V < T || V - T > NVALUES - FIRST_TEXT) return -1;
    for (int k = 0; k < 6; k++)
        if (lay[k] != game_layout[k]) return 1;
    return 0;
}

// Copies an image of the given layout into `to`, class by class; entries
// the file lacks stay 0.
static void map_image(const unsigned char *img, const int32_t *lay, state_image &to) {
    int32_t O = lay[1], P = lay[2], W = lay[3], T = lay[4], V = lay[5];
    regions r = region_sizes(lay);
    memset(&to, 0, IMAGE_SIZE);
    const unsigned char *v = img;
    auto values = [&](int at, int from, int count) {
        if (count > 0) memcpy(&to.value[at], v + 4 * from, size_t(count) * 4);
    };
    values(0, 0, O + 1);
    values(FIRST_PLACE, O + 1, P - O);
    values(FIRST_WORD, P + 1, W - P);
    values(FIRST_VARIABLE, W + 1, T - 1 - W);
    values(FIRST_TEXT, T, V - T);
    const unsigned char *p = img + r.size[0];
    memcpy(to.location, p, size_t(r.size[1]));
    p += r.size[1];
    memcpy(to.objbits, p, size_t(r.size[2]));
    p += r.size[2];
    memcpy(to.placebits, p, size_t(r.size[3]));
    p += r.size[3];
    memcpy(to.varbits, p, size_t(W - P) * 2);
    memcpy(to.varbits + (FIRST_VARIABLE - FIRST_WORD), p + size_t(W - P) * 2, size_t(T - W) * 2);
}

int decode_game(const unsigned char *bytes, size_t len, state_image &to, read_image &got) {
    if (len < size_t(LAYOUT_BYTES)) return UNREAD_SHORT;
    int32_t lay[6];
    for (int k = 0; k < 6; k++) lay[k] = int32_t(get32(bytes + 4 * k));
    const int older = check_layout(lay);
    if (older < 0) return UNREAD_STATE;
    regions r = region_sizes(lay);
    // The checksum, the time and the image; an older file has a 4-byte time,
    // recognised by the status word (always -1) right after it.
    const unsigned char *buf = bytes + LAYOUT_BYTES;
    const size_t n = len - LAYOUT_BYTES;
    if (n < 16) return UNREAD_SHORT;
    const int tw = int32_t(get32(buf + 8)) == -1 ? 4 : TIME_BYTES;
    if (n < size_t(4 + tw + r.total())) return UNREAD_SHORT;
    const unsigned char *tf = buf + 4, *img = tf + tw;
    const uint32_t sum = image_sum(region_sum(0, tf, tw), img, r);
    if (sum != get32(buf)) return UNREAD_CHANGED;
    // A file that passes its checksum may still hold no state of the game:
    // damage the checksum cannot see, or a file made by hand. It is refused
    // as a damaged file.
    map_image(img, lay, to);
    if (!image_playable(to)) return UNREAD_STATE;
    if (tw == 4)
        got.time = int64_t(get32(tf));
    else
        got.time = int64_t(uint64_t(get32(tf)) | uint64_t(get32(tf + 4)) << 32);
    got.sum = sum;
    got.older = older != 0;
    return 0;
}

// ---- File names ------------------------------------------------------------

size_t name_bytes(const char *name) {
    size_t n = 0;
    while (n < size_t(NAME_MAX_BYTES) && name[n] && name[n] != '\n') n++;
    // Cut before a continuation byte (10xxxxxx): back to the start of its
    // character, which is left out.
    auto continuation = [](char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; };
    if (continuation(name[n]))
        while (n > 0 && continuation(name[n])) n--;
    return n;
}

void game_file_name(const char *name, char *path) {
    const size_t n = name_bytes(name);
    memcpy(path, name, n);
    path[n] = 0;
    if (!(n > 3 && strcmp(path + n - 4, ".orv") == 0)) strcpy(path + n, ".orv");
}

// A name that does not fit is no name (empty), never another file's.
void file_beside(char *out, size_t size, const char *game, const char *ext) {
    if (size == 0) return;
    if (snprintf(out, size, "%s", game) >= int(size)) {
        out[0] = 0;
        return;
    }
    size_t n = strlen(out);
    if (n >= 3 && snprintf(out + n - 3, size - (n - 3), "%s", ext) >= int(size - (n - 3))) out[0] = 0;
}
