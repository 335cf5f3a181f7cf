// Kestrin drawing toolkit.
// ShortestDecimal: the Schubfach search. A double is v = c 2^q; the decimals that read back as v
// are those of its rounding interval, whose bounds lie half-way to the neighbouring doubles:
// (4c - 2) 2^(q-2) and (4c + 2) 2^(q-2), or (4c - 1) 2^(q-2) at a power of two, whose lower
// neighbour is nearer. The bounds belong to it when c is even (reading rounds ties to even).
// With k the largest exponent for which 10^k is no wider than the interval, the interval holds at
// least one multiple of 10^k and at most one of 10^(k+1): that one, if there is one, is the
// shortest decimal; otherwise it is whichever of the multiples of 10^k on either side of v is
// inside, the nearer one if both are.
#include "ShortestDecimal.h"

#include <cstdint>
#include <cstring>
#include <initializer_list>

namespace {
__extension__ using Uint128 = unsigned __int128; // GCC and Clang

constexpr int kFractionBits = 52;
constexpr std::uint64_t kHiddenBit = std::uint64_t{1} << kFractionBits;
constexpr std::uint64_t kBiasedExponentMask = 0x7FF;
constexpr int kExponentBias = 1075;                 // q = biased exponent - kExponentBias
constexpr int kMinExponent = 1 - kExponentBias;     // of the subnormals and the smallest normals
constexpr int kMaxExponent = 0x7FE - kExponentBias; // of the largest doubles

// floor(q log10 2), floor(log10(3/4 2^q)) and floor(e log2 10), from the logarithms in 32-bit
// fixed point; exact for every exponent they meet here (checked at compile time below).
constexpr int FloorLog10Pow2(int q) {
    return static_cast<int>(q * std::int64_t{1292913986} >> 32);
}
constexpr int FloorLog10ThreeQuartersPow2(int q) {
    return static_cast<int>((q * std::int64_t{1292913986} - 536607788) >> 32);
}
constexpr int FloorLog2Pow10(int e) {
    return static_cast<int>(e * std::int64_t{14267572527} >> 32);
}

// The powers 10^e by which v is scaled, e = -k: from that of the largest doubles to that of the
// subnormals.
constexpr int kMinPow10 = -FloorLog10Pow2(kMaxExponent); // -292
constexpr int kMaxPow10 = -FloorLog10Pow2(kMinExponent); // 324

// An unsigned integer of up to 32 kLimbs bits, least significant limb first: the arithmetic that
// computing the table and checking the logarithms at compile time need, and no more.
class BigNumber {
public:
    static constexpr int kLimbs = 28; // 896 bits: room for 2^832 and 3 * 5^330

    static constexpr BigNumber FromPowerOfTwo(int exponent) {
        BigNumber number;
        number.m_limbs[exponent / 32] = std::uint32_t{1} << exponent % 32;
        return number;
    }

    constexpr void multiply(std::uint32_t factor) {
        std::uint64_t carry = 0;
        for (std::uint32_t& limb : m_limbs) {
            carry += std::uint64_t{limb} * factor;
            limb = static_cast<std::uint32_t>(carry);
            carry >>= 32;
        }
    }

    // Rounds the quotient down.
    constexpr void divide(std::uint32_t divisor) {
        std::uint64_t remainder = 0;
        for (int i = kLimbs - 1; i >= 0; --i) {
            remainder = remainder << 32 | m_limbs[i];
            m_limbs[i] = static_cast<std::uint32_t>(remainder / divisor);
            remainder %= divisor;
        }
    }

    constexpr int bitLength() const {
        for (int i = kLimbs - 1; i >= 0; --i) {
            if (m_limbs[i] != 0) {
                int length = 32 * i;
                for (std::uint32_t rest = m_limbs[i]; rest != 0; rest >>= 1) {
                    ++length;
                }
                return length;
            }
        }
        return 0;
    }

    // The 64 bits from bit `first` on: floor(this / 2^first) mod 2^64, first may be negative.
    constexpr std::uint64_t bitsFrom(int first) const {
        std::uint64_t bits = 0;
        for (int i = 0; i < 64; ++i) {
            const int bit = first + i;
            if (bit >= 0 && bit < 32 * kLimbs && (m_limbs[bit / 32] >> bit % 32 & 1) != 0) {
                bits |= std::uint64_t{1} << i;
            }
        }
        return bits;
    }

private:
    std::uint32_t m_limbs[kLimbs] = {};
};

struct Multiplier {
    std::uint64_t hi;
    std::uint64_t lo;
};

// For e = kMinPow10..kMaxPow10, g(e) = floor(10^e 2^(127 - floor(log2 10^e))) + 1: 10^e scaled by
// a power of two into [2^127, 2^128) and rounded up (by one if it was exact), hi:lo.
struct MultiplierTable {
    Multiplier entries[kMaxPow10 - kMinPow10 + 1];

    constexpr MultiplierTable() : entries() {
        constexpr int kReciprocalBits = 832;            // 2^832 / 5^292 still has 154 bits
        BigNumber power = BigNumber::FromPowerOfTwo(0); // 5^n
        BigNumber reciprocal = BigNumber::FromPowerOfTwo(kReciprocalBits); // floor(2^832 / 5^n)
        for (int n = 0; n <= kMaxPow10; ++n) {
            const int length = power.bitLength(); // floor(log2 10^n) = n + length - 1
            // 10^n 2^(127 - floor(log2 10^n)) = 5^n 2^(128 - length)
            set(n, power, length - 128);
            if (n > 0 && -n >= kMinPow10) {
                // 10^-n 2^(127 - floor(log2 10^-n)) = 2^(127 + length) / 5^n
                set(-n, reciprocal, kReciprocalBits - 127 - length);
            }
            power.multiply(5);
            reciprocal.divide(5);
        }
    }

    // Sets g(e) to the 128 bits of scaled from bit first on, plus one.
    constexpr void set(int e, const BigNumber& scaled, int first) {
        Multiplier& g = entries[e - kMinPow10];
        g.lo = scaled.bitsFrom(first) + 1;
        g.hi = scaled.bitsFrom(first + 64) + (g.lo == 0 ? 1 : 0);
    }
};

constexpr MultiplierTable kMultipliers;

// Checks the logarithms above against exact bit lengths of powers of five for every exponent of a
// double, and what the search relies on: the table covers every k, the shift h is 1 to 4, and no
// entry overflowed.
constexpr bool ScalingIsExact() {
    constexpr int kPowers = 330;
    int fiveBits[kPowers + 1] = {};       // bit length of 5^n
    int fiveThirdBits[kPowers + 1] = {};  // of floor(5^n / 3)
    int fiveTripleBits[kPowers + 1] = {}; // of 3 5^n
    BigNumber power = BigNumber::FromPowerOfTwo(0);
    for (int n = 0; n <= kPowers; ++n) {
        fiveBits[n] = power.bitLength();
        BigNumber third = power;
        third.divide(3);
        fiveThirdBits[n] = third.bitLength();
        BigNumber triple = power;
        triple.multiply(3);
        fiveTripleBits[n] = triple.bitLength();
        power.multiply(5);
    }
    // floor(log2 10^e) and floor(log2(10^e / 3)); 5^n (n > 0) and 3 5^n are no powers of two.
    const auto log2Pow10 = [&](int e) { return e >= 0 ? e + fiveBits[e] - 1 : e - fiveBits[-e]; };
    const auto log2Pow10Third = [&](int e) {
        return e > 0 ? e + fiveThirdBits[e] - 1 : e - fiveTripleBits[-e];
    };
    // 10^e <= 2^m and 10^e <= 3 2^m: log2 10^e is an integer only for e = 0 and log2(10^e / 3)
    // never, so otherwise the floor is below m.
    const auto pow10AtMost = [&](int e, int m) { return e == 0 ? m >= 0 : log2Pow10(e) < m; };
    const auto pow10AtMostThrice = [&](int e, int m) { return log2Pow10Third(e) < m; };
    for (int e = -kPowers; e <= kPowers; ++e) {
        if (FloorLog2Pow10(e) != log2Pow10(e)) {
            return false;
        }
    }
    for (int q = kMinExponent; q <= kMaxExponent; ++q) {
        const int k = FloorLog10Pow2(q);
        const int narrowK = FloorLog10ThreeQuartersPow2(q);
        if (!pow10AtMost(k, q) || pow10AtMost(k + 1, q) || !pow10AtMostThrice(narrowK, q - 2) ||
            pow10AtMostThrice(narrowK + 1, q - 2)) {
            return false;
        }
        for (const int used : {k, narrowK}) {
            const int h = q + FloorLog2Pow10(-used) + 1;
            if (-used < kMinPow10 || -used > kMaxPow10 || h < 1 || h > 4) {
                return false;
            }
        }
    }
    for (const Multiplier& g : kMultipliers.entries) {
        if (g.hi >> 63 == 0) {
            return false;
        }
    }
    return true;
}
static_assert(ScalingIsExact());

// floor(g cp / 2^128), its lowest bit set if the quotient has a fraction: for every cp the search
// passes, this is x = (g's real scaled power) cp / 2^128 rounded to odd, which orders exactly as x
// does against the even numbers the search compares it with. It is exact although g is above the
// real power by less than 1, so that the product exceeds x 2^128 by less than cp < 2^59: over all
// doubles, x is an integer or has a fraction below 1 - 2^-62 and, where floor(x) is even, above
// 2^-63 (an odd floor is the result whatever the fraction). That bound was counted over every
// significand of each exponent, as lattice points under a line. So the product's bits from 64 up
// hold floor(x) and whether x has a fraction, and the lowest 64 need not be looked at.
std::uint64_t RoundToOdd(const Multiplier& g, std::uint64_t cp) {
    const Uint128 low = Uint128{g.lo} * cp;
    const Uint128 high = Uint128{g.hi} * cp + (low >> 64);
    return static_cast<std::uint64_t>(high >> 64) | (static_cast<std::uint64_t>(high) != 0 ? 1 : 0);
}

constexpr std::uint64_t Power(std::uint64_t base, int exponent) {
    std::uint64_t power = 1;
    for (int i = 0; i < exponent; ++i) {
        power *= base;
    }
    return power;
}

// The inverse of an odd number modulo 2^64: odd * odd = 1 mod 8, and each Newton step doubles the
// number of correct low bits.
constexpr std::uint64_t InverseModulo2To64(std::uint64_t odd) {
    std::uint64_t inverse = odd;
    for (int i = 0; i < 5; ++i) {
        inverse *= 2 - odd * inverse;
    }
    return inverse;
}

// Divides *pN by 10^kZeros if it is a multiple of it, and adds kZeros to *pExponent then. n is a
// multiple of 10^z exactly when n 5^-z mod 2^64, rotated right by z bits, is at most
// (2^64 - 1) / 10^z, and that is then n / 10^z. Without a branch: the count of zeros varies.
template <int kZeros> void DivideIfMultiple(std::uint64_t* pN, int* pExponent) {
    constexpr std::uint64_t kFives = Power(5, kZeros);
    constexpr std::uint64_t kInverse = InverseModulo2To64(kFives);
    constexpr std::uint64_t kLimit = ~std::uint64_t{0} / Power(10, kZeros);
    const std::uint64_t product = *pN * kInverse;
    const std::uint64_t quotient = product >> kZeros | product << (64 - kZeros); // rotated
    const bool multiple = quotient <= kLimit;
    *pN = multiple ? quotient : *pN;
    *pExponent += multiple ? kZeros : 0;
}

// n 10^exponent with the trailing zeros of n removed, up to 15 (a result below 10^16 has no more).
ShortestDecimal WithoutTrailingZeros(std::uint64_t n, int exponent) {
    DivideIfMultiple<8>(&n, &exponent);
    DivideIfMultiple<4>(&n, &exponent);
    DivideIfMultiple<2>(&n, &exponent);
    DivideIfMultiple<1>(&n, &exponent);
    return {n, exponent};
}

// The shortest decimal of c 2^q; narrowBelow when the interval's lower half is the narrower.
ShortestDecimal Search(std::uint64_t c, int q, bool narrowBelow) {
    const int k = narrowBelow ? FloorLog10ThreeQuartersPow2(q) : FloorLog10Pow2(q);
    const int h = q + FloorLog2Pow10(-k) + 1;
    const Multiplier& g = kMultipliers.entries[-k - kMinPow10];
    // v and the bounds in units of 10^k / 4, rounded to odd: g 2^(h - 128) scales by 2^q / 10^k.
    const std::uint64_t quarters = c << 2;
    const std::uint64_t middle = RoundToOdd(g, quarters << h);
    const std::uint64_t lower = RoundToOdd(g, (quarters - (narrowBelow ? 1 : 2)) << h);
    const std::uint64_t upper = RoundToOdd(g, (quarters + 2) << h);
    const std::uint64_t open = c & 1;    // 1: the bounds are outside
    const std::uint64_t s = middle >> 2; // floor(v / 10^k)

    const std::uint64_t tens = s / 10; // the multiples of 10^(k+1) either side of v: tens, tens + 1
    const bool lowerTenIn = lower + open <= 40 * tens;
    const bool upperTenIn = 40 * tens + 40 + open <= upper;
    if (lowerTenIn != upperTenIn) {
        return WithoutTrailingZeros(tens + (upperTenIn ? 1 : 0), k + 1);
    }
    // Otherwise whichever of s and s + 1 is inside, or the nearer to v if both are (the even one if
    // v is half-way). Without branches: for digits of full length, which case holds is as good as
    // random.
    const bool lowerIn = lower + open <= 4 * s;
    const bool upperIn = 4 * s + 4 + open <= upper;
    const std::uint64_t half = 4 * s + 2;
    const bool nearerUp = (middle > half) | ((middle == half) & ((s & 1) != 0));
    return {s + (upperIn & (!lowerIn | nearerUp) ? 1 : 0), k};
}
} // namespace

ShortestDecimal ShortestDecimal::From(double value) {
    std::uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof(bits));
    const std::uint64_t fraction = bits & (kHiddenBit - 1);
    const auto biased = static_cast<int>(bits >> kFractionBits & kBiasedExponentMask);
    if (biased == 0) {
        return fraction == 0 ? ShortestDecimal{0, 0} : Search(fraction, kMinExponent, false);
    }
    const std::uint64_t c = fraction | kHiddenBit;
    const int q = biased - kExponentBias;
    // An integer below 2^53: no other integer reads back as it, and anything with a fraction is
    // longer.
    if (q <= 0 && q >= -kFractionBits) {
        const std::uint64_t whole = c >> -q;
        if (whole << -q == c) {
            return WithoutTrailingZeros(whole, 0);
        }
    }
    // At a power of two the lower neighbour is nearer (the spacing halves below it), except at the
    // smallest normal double, whose lower neighbour is the largest subnormal.
    return Search(c, q, fraction == 0 && biased > 1);
}
