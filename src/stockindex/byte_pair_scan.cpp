#include "stockindex/byte_pair_scan.h"

#include <bit>
#include <cstdint>

#if defined(__x86_64__)
#include <immintrin.h>
#endif

// The rebuild spends most of its time here: the search for a definition's
// markers passes over nearly every byte of a stock tree. So the pairs are looked
// for 64 bytes at a time with vector instructions, the widest the processor
// has, and only where one may stand is a byte looked at on its own.
namespace lumtrak::stockindex {
namespace {

constexpr unsigned char kCaseBit = 0x20;

bool IsPairAt(const char* data, std::size_t p, const BytePairs& pairs) {
    const unsigned char a = WithCaseBit(data[p]);
    const unsigned char b = WithCaseBit(data[p + 1]);
    for (std::size_t k = 0; k < pairs.count; ++k) {
        if (a == pairs.first[k] && b == pairs.second[k]) return true;
    }
    return false;
}

std::size_t ScanBytes(const char* data, std::size_t size, std::size_t p, const BytePairs& pairs) {
    for (; p + 1 < size; ++p) {
        if (IsPairAt(data, p, pairs)) return p;
    }
    return size;
}

#if defined(__x86_64__)

// A round looks at 64 bytes, and reads the byte after them too. Bit i of a
// round's bits is set when a pair may start at its byte i. Each way is written
// out on its own, as a function built for wider vectors can take in only code
// built for them too.
constexpr std::size_t kRound = 64;

// Where a round's bits are exact: the first set bit is the pair.
std::size_t FirstBit(std::size_t p, std::uint64_t bits) {
    return p + static_cast<std::size_t>(std::countr_zero(bits));
}

// Compares each byte and its follower with every pair's two bytes, 16 bytes at
// a time: the way every 64-bit x86 processor has.
template <std::size_t N>
std::size_t ScanSse2(const char* data, std::size_t size, std::size_t p, const BytePairs& pairs) {
    const __m128i caseBit = _mm_set1_epi8(static_cast<char>(kCaseBit));
    __m128i first[N];
    __m128i second[N];
    for (std::size_t k = 0; k < N; ++k) {
        first[k] = _mm_set1_epi8(static_cast<char>(pairs.first[k]));
        second[k] = _mm_set1_epi8(static_cast<char>(pairs.second[k]));
    }
    while (size - p > kRound) {
        std::uint64_t bits = 0;
        for (std::size_t v = 0; v < kRound / 16; ++v) {
            const char* const at = data + p + v * 16;
            const __m128i a =
                _mm_or_si128(_mm_loadu_si128(reinterpret_cast<const __m128i*>(at)), caseBit);
            const __m128i b =
                _mm_or_si128(_mm_loadu_si128(reinterpret_cast<const __m128i*>(at + 1)), caseBit);
            __m128i marks = _mm_setzero_si128();
            for (std::size_t k = 0; k < N; ++k) {
                marks = _mm_or_si128(marks, _mm_and_si128(_mm_cmpeq_epi8(a, first[k]),
                                                          _mm_cmpeq_epi8(b, second[k])));
            }
            bits |= std::uint64_t{static_cast<std::uint16_t>(_mm_movemask_epi8(marks))} << (v * 16);
        }
        if (bits != 0) return FirstBit(p, bits);
        p += kRound;
    }
    return ScanBytes(data, size, p, pairs);
}

// The same, 32 bytes at a time.
template <std::size_t N>
[[gnu::target("avx2")]] std::size_t ScanAvx2(const char* data, std::size_t size, std::size_t p,
                                             const BytePairs& pairs) {
    const __m256i caseBit = _mm256_set1_epi8(static_cast<char>(kCaseBit));
    __m256i first[N];
    __m256i second[N];
    for (std::size_t k = 0; k < N; ++k) {
        first[k] = _mm256_set1_epi8(static_cast<char>(pairs.first[k]));
        second[k] = _mm256_set1_epi8(static_cast<char>(pairs.second[k]));
    }
    while (size - p > kRound) {
        std::uint64_t bits = 0;
        for (std::size_t v = 0; v < kRound / 32; ++v) {
            const char* const at = data + p + v * 32;
            const __m256i a =
                _mm256_or_si256(_mm256_loadu_si256(reinterpret_cast<const __m256i*>(at)), caseBit);
            const __m256i b = _mm256_or_si256(
                _mm256_loadu_si256(reinterpret_cast<const __m256i*>(at + 1)), caseBit);
            __m256i marks = _mm256_setzero_si256();
            for (std::size_t k = 0; k < N; ++k) {
                marks = _mm256_or_si256(marks, _mm256_and_si256(_mm256_cmpeq_epi8(a, first[k]),
                                                                _mm256_cmpeq_epi8(b, second[k])));
            }
            bits |= std::uint64_t{static_cast<std::uint32_t>(_mm256_movemask_epi8(marks))}
                    << (v * 32);
        }
        if (bits != 0) return FirstBit(p, bits);
        p += kRound;
    }
    return ScanBytes(data, size, p, pairs);
}

// Looks up which pairs each of 64 bytes may start and which its follower may
// end, in the pairs' tables, whatever their number; a byte where the two meet
// is a candidate, checked on its own.
[[gnu::target("avx512bw,avx512vbmi")]] std::size_t ScanVbmi(const char* data, std::size_t size,
                                                            std::size_t p, const BytePairs& pairs) {
    const __m512i startLow = _mm512_loadu_si512(pairs.mayStart.data());
    const __m512i startHigh = _mm512_loadu_si512(pairs.mayStart.data() + 64);
    const __m512i endLow = _mm512_loadu_si512(pairs.mayEnd.data());
    const __m512i endHigh = _mm512_loadu_si512(pairs.mayEnd.data() + 64);
    while (size - p > kRound) {
        const __m512i a = _mm512_loadu_si512(data + p);
        const __m512i b = _mm512_loadu_si512(data + p + 1);
        const __m512i starts = _mm512_permutex2var_epi8(startLow, a, startHigh);
        const __m512i ends = _mm512_permutex2var_epi8(endLow, b, endHigh);
        for (std::uint64_t bits = _mm512_test_epi8_mask(starts, ends); bits != 0;
             bits &= bits - 1) {
            const std::size_t q = FirstBit(p, bits);
            if (IsPairAt(data, q, pairs)) return q;
        }
        p += kRound;
    }
    // The last round, of the bytes that are left: a masked load reads none
    // past the end.
    const std::size_t left = size - p;
    const auto first = [](std::size_t count) {
        return count >= 64 ? ~std::uint64_t{0} : (std::uint64_t{1} << count) - 1;
    };
    const __m512i a = _mm512_maskz_loadu_epi8(first(left), data + p);
    const __m512i b = _mm512_maskz_loadu_epi8(first(left - 1), data + p + 1);
    const __m512i starts = _mm512_permutex2var_epi8(startLow, a, startHigh);
    const __m512i ends = _mm512_permutex2var_epi8(endLow, b, endHigh);
    for (std::uint64_t bits = _mm512_test_epi8_mask(starts, ends) & first(left - 1); bits != 0;
         bits &= bits - 1) {
        const std::size_t q = FirstBit(p, bits);
        if (IsPairAt(data, q, pairs)) return q;
    }
    return size;
}

#endif

template <std::size_t N>
std::size_t Scan(const char* data, std::size_t size, std::size_t p, const BytePairs& pairs,
                 PairScanWay way) {
    switch (way) {
#if defined(__x86_64__)
        case PairScanWay::Vbmi:
            return ScanVbmi(data, size, p, pairs);
        case PairScanWay::Avx2:
            return ScanAvx2<N>(data, size, p, pairs);
        case PairScanWay::Sse2:
            return ScanSse2<N>(data, size, p, pairs);
#endif
        default:
            return ScanBytes(data, size, p, pairs);
    }
}

}  // namespace

void BytePairs::Add(char firstByte, char secondByte) {
    const unsigned char firstFolded = WithCaseBit(firstByte);
    const unsigned char secondFolded = WithCaseBit(secondByte);
    first[count] = firstFolded;
    second[count] = secondFolded;
    // A byte's case bit is set before it is compared, and only its low seven
    // bits are looked up.
    const auto low = [](unsigned char folded) { return static_cast<unsigned char>(folded & 0x7f); };
    const auto bit = static_cast<unsigned char>(1u << count);
    for (unsigned value = 0; value < mayStart.size(); ++value) {
        const auto folded = static_cast<unsigned char>(value | kCaseBit);
        if (folded == low(firstFolded)) mayStart[value] |= bit;
        if (folded == low(secondFolded)) mayEnd[value] |= bit;
    }
    ++count;
}

std::vector<PairScanWay> PairScanWaysHere() {
    std::vector<PairScanWay> ways{PairScanWay::Bytes};
#if defined(__x86_64__)
    ways.push_back(PairScanWay::Sse2);
    if (__builtin_cpu_supports("avx2")) ways.push_back(PairScanWay::Avx2);
    if (__builtin_cpu_supports("avx512bw") && __builtin_cpu_supports("avx512vbmi")) {
        ways.push_back(PairScanWay::Vbmi);
    }
#endif
    return ways;
}

std::size_t FindBytePair(std::string_view bytes, std::size_t from, const BytePairs& pairs) {
    static const PairScanWay fastest = PairScanWaysHere().back();
    return FindBytePair(bytes, from, pairs, fastest);
}

std::size_t FindBytePair(std::string_view bytes, std::size_t from, const BytePairs& pairs,
                         PairScanWay way) {
    const char* const data = bytes.data();
    const std::size_t size = bytes.size();
    if (from >= size) return size;
    switch (pairs.count) {
        case 0:
            return size;
        case 1:
            return Scan<1>(data, size, from, pairs, way);
        case 2:
            return Scan<2>(data, size, from, pairs, way);
        default:
            return Scan<3>(data, size, from, pairs, way);
    }
}

}  // namespace lumtrak::stockindex
