// The persistent data: the file _zendry.orp that keeps a few bytes across
// games, read and written a byte at a time through the game's special
// codes.
//
// Input: byte 0, the number of operations (bits 0-3) and whether the file
// is missing (bit 7); then three bytes per operation: its kind (bits 0-1:
// read, set, clear; bits 2-3: the offset's range) and a 16-bit offset; the
// rest is the file as it is found. Each operation is checked against a
// model of the file: a read gives the byte there (-1 past the end or with
// no file, 1 for a negative offset); a set or a clear at an offset the game
// may use stores 1 or 0 there, the bytes between the old end and it
// zero, and leaves every other byte; any other offset changes nothing.
#include <climits>

#include "harness.h"
#include "persist.h"

namespace {

constexpr int PDATA_LIMIT = 1 << 20;  // the largest file the game writes

int offset_of(int range, int n) {
    switch (range) {
    case 0: return n;
    case 1: return -1 - n;
    case 2: return PDATA_LIMIT - 4 + (n & 7);  // either side of the limit
    default: return INT_MAX - n;
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv) {
    fuzz::setup(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    if (size < 1) return 0;
    const int nops = data[0] & 15;
    const bool missing = data[0] & 0x80;
    if (size < 1 + 3 * size_t(nops)) return 0;
    const uint8_t *ops = data + 1;
    fuzz::bytes model(ops + 3 * nops, data + size);
    if (missing) model.clear();
    bool exists = !missing;

    fuzz::in_target target;
    fuzz::open_session();
    const std::string name = "_zendry.orp";
    if (exists) fuzz::write_file(name, model.data(), model.size());
    for (int k = 0; k < nops; k++) {
        const int kind = ops[3 * k] & 3, range = (ops[3 * k] >> 2) & 3;
        const int offset = offset_of(range, ops[3 * k + 1] | ops[3 * k + 2] << 8);
        int32_t v = offset;
        if (kind == 0 || kind == 3) {
            special(SPECIAL_PDATA_GET, &v);
            int want = offset < 0 ? 1 : !exists || size_t(offset) >= model.size() ? -1 : model[size_t(offset)];
            if (v != want) fuzz::fail("a persistent byte read is not the byte stored");
            continue;
        }
        special(kind == 1 ? SPECIAL_PDATA_SET : SPECIAL_PDATA_CLEAR, &v);
        if (offset >= 0 && offset < PDATA_LIMIT) {
            if (model.size() <= size_t(offset)) model.resize(size_t(offset) + 1, 0);
            model[size_t(offset)] = kind == 1 ? 1 : 0;
            exists = true;
        }
        if (exists ? fuzz::read_file(name) != model : std::filesystem::exists(name))
            fuzz::fail("the persistent file is not what was stored");
    }
    return 0;
}
