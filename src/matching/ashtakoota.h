#pragma once
// The eight kootas of Muhurta Chintamani as the common North Indian tables score them, the boy's
// Moon against the girl's, out of 36 points.

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "matching/moon_placement.h"

namespace grahavani {

enum class KootaName { Varna, Vashya, Tara, Yoni, GrahaMaitri, Gana, Bhakoot, Nadi };

// The JSON keys, and the labels of the text report.
inline constexpr std::array<std::string_view, 8> KootaKeys = {
    "Varna", "Vashya", "Tara", "Yoni", "GrahaMaitri", "Gana", "Bhakoot", "Nadi"};
inline constexpr std::array<std::string_view, 8> KootaLabels = {
    "Varna", "Vashya", "Tara", "Yoni", "Graha Maitri", "Gana", "Bhakoot", "Nadi"};

inline constexpr double AshtakootaMaximum = 36;

struct Koota {
    double Score = 0;
    double Maximum = 0;
    std::string_view Boy;   // each side's class: "Vaishya", "Serpent", "Venus", "Tau"; Tara's count
    std::string_view Girl;
};

struct Ashtakoota {
    std::array<Koota, 8> Kootas;  // in KootaName order
    int BoyTara = 1;   // 1-9, counted from the boy's star to the girl's
    int GirlTara = 1;  // counted from the girl's star to the boy's
    std::string_view BhakootDistance;  // "1/1", "2/12" … "7/7"
    double Total = 0;
    std::string_view Verdict;
    std::vector<std::string> Notes;  // cancellations and the like; they never change a score

    const Koota& operator[](KootaName name) const { return Kootas[static_cast<std::size_t>(name)]; }
};

// "Not recommended" below 18, "Average" to 24.5, "Good" to 32, "Excellent" above.
std::string_view AshtakootaVerdict(double total);

// The scores, classes and verdict; the notes are left empty.
Ashtakoota AshtakootaOf(const MoonPlacement& boy, const MoonPlacement& girl);

// The count from one star to another, both inclusive: 1 (the same star) to 27.
int StarCount(int fromNakshatra, int toNakshatra);

// The sign `toSign` is counted from `fromSign`: 1 (the same sign) to 12.
int SignCount(int fromSign, int toSign);

// The Bhakoot rule: the signs are 2/12, 5/9 or 6/8 from each other.
bool SignsInBhakootDosha(int boySign, int girlSign);

}  // namespace grahavani
