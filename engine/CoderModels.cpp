#include "CoderModels.h"

#include "KeyModelColumns.h"
#include "LVErrors.h"

namespace {

const uint16_t kKindColumns[kKindSymbols][kKindSymbols + 1] = {
    {7712, 7293, 7109, 7108, 6497, 6496, 6478, 6477, 5236, 5235, 5233, 5199, 4639, 0},
    {1307, 677, 333, 332, 331, 330, 323, 322, 93, 92, 91, 90, 89, 0},
    {231, 218, 217, 215, 214, 213, 212, 51, 31, 30, 29, 26, 25, 0},
    {7172, 6994, 6993, 6992, 5456, 5455, 5454, 5453, 5452, 5451, 5450, 5449, 5448, 0},
    {433, 415, 414, 413, 412, 393, 392, 138, 77, 76, 75, 69, 68, 0},
    {19240, 19239, 19238, 19237, 19236, 19235, 9430, 9429, 8172, 8169, 8168, 8167, 8166, 0},
    {64982, 62987, 62874, 62872, 62871, 62821, 61299, 60543, 50175, 35239, 35238, 35037, 35036, 0},
    {64937, 64932, 64931, 64930, 64929, 64928, 63789, 63788, 15269, 15268, 15267, 15266, 15265, 0},
    {19447, 19381, 19376, 19375, 19374, 19373, 13078, 13016, 10393, 9042, 9041, 9040, 9039, 0},
    {101, 100, 99, 98, 97, 96, 95, 94, 93, 92, 84, 83, 82, 0},
    {3349, 2628, 2286, 2285, 2284, 2283, 2282, 2281, 2096, 2095, 2094, 775, 96, 0},
    {21909, 20472, 20228, 20227, 20226, 20225, 20224, 20223, 20222, 20221, 20220, 18644, 11469, 0},
    {65092, 63909, 63880, 63737, 60461, 60234, 60233, 9896, 9796, 9760, 9708, 9602, 792, 0}
};

const uint16_t kWordNumberColumn[kWordNumberSymbols + 1] = {
    65056, 4384, 665, 237, 105, 65, 43, 31, 25, 22, 19, 17, 16, 15, 14, 13, 12, 11, 10, 9, 8, 7, 6,
    5, 4, 3, 2, 1, 0
};

// From C[43] = 86 on, every count down to 0.
const uint16_t kCountColumn[kCountSymbols + 1] = {
    65535, 60197, 11929, 4994, 2743, 1747, 1219, 882, 677, 554, 446, 373, 306, 268, 234, 214, 196,
    182, 163, 155, 140, 133, 126, 120, 116, 113, 111, 110, 107, 104, 103, 102, 100, 98, 97, 96, 95,
    94, 93, 91, 90, 89, 88, 86, 85, 84, 83, 82, 81, 80, 79, 78, 77, 76, 75, 74, 73, 72, 71, 70, 69,
    68, 67, 66, 65, 64, 63, 62, 61, 60, 59, 58, 57, 56, 55, 54, 53, 52, 51, 50, 49, 48, 47, 46, 45,
    44, 43, 42, 41, 40, 39, 38, 37, 36, 35, 34, 33, 32, 31, 30, 29, 28, 27, 26, 25, 24, 23, 22, 21,
    20, 19, 18, 17, 16, 15, 14, 13, 12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1, 0
};

// The first character of a key: a key is almost never empty and seldom
// starts with a digit.
const uint16_t kKeyFirstColumn[kKeySymbols + 1] = {
    65304, 65303, 65302, 65280, 65265, 65259, 65255, 65252, 65248, 65246, 65243, 65240, 65239,
    65238, 65237, 65236, 65235, 65234, 65233, 60608, 56712, 50165, 47114, 44844, 41746, 37623,
    35256, 33186, 32595, 32027, 29660, 26185, 24737, 23063, 17972, 17722, 15076, 8004, 4766, 3149,
    2139, 452, 384, 159, 0
};

// Contexts 11-17 (":" to "@") never occur in keys: a flat column of total
// 45 over 44 symbols (45, 44, 43, ..., 1, 0), so one symbol ("Y") has 2.
const uint16_t kKeyFlatColumn[kKeySymbols + 1] = {
    45, 44, 43, 42, 41, 40, 39, 38, 37, 36, 35, 34, 33, 32, 31, 30, 29, 28, 27, 26, 25, 24, 23, 22,
    21, 20, 19, 18, 17, 16, 15, 14, 13, 12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 1, 0
};

constexpr uint8_t kFirstLetter = 18;
constexpr uint8_t kFirstUnused = 11;

}  // namespace

TFrequencyTable KindModel(uint8_t previous) {
    if (previous >= kKindSymbols) throw ECompressError("No relation kind model for " + std::to_string(previous));
    return {kKindColumns[previous], kKindSymbols};
}

TFrequencyTable WordNumberModel(uint8_t) { return {kWordNumberColumn, kWordNumberSymbols}; }

TFrequencyTable CountModel(uint8_t) { return {kCountColumn, kCountSymbols}; }

TFrequencyTable KeyModel(uint8_t previous) {
    if (previous >= kKeySymbols) throw ECompressError("No key model for " + std::to_string(previous));
    if (previous == 0) return {kKeyFirstColumn, kKeySymbols};
    if (previous < kFirstUnused) return {kKeyPairColumns[previous - 1], kKeySymbols};
    if (previous < kFirstLetter) return {kKeyFlatColumn, kKeySymbols};
    return {kKeyPairColumns[previous - kFirstLetter + (kFirstUnused - 1)], kKeySymbols};
}
