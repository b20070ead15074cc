#include "matching/star_classes.h"

#include <algorithm>
#include <utility>

namespace grahavani {
namespace {

using enum Yoni;
using enum Gana;
using enum Nadi;
using enum Rajju;

constexpr std::array<StarClasses, 27> Stars = {{
    {Horse, Deva, Adi, Pada},              // Ashwini
    {Elephant, Manushya, Madhya, Kati},    // Bharani
    {Sheep, Rakshasa, Antya, Nabhi},       // Krittika
    {Serpent, Manushya, Antya, Kantha},    // Rohini
    {Serpent, Deva, Madhya, Siro},         // Mrigasira
    {Dog, Manushya, Adi, Kantha},          // Ardra
    {Cat, Deva, Adi, Nabhi},               // Punarvasu
    {Sheep, Deva, Madhya, Kati},           // Pushya
    {Cat, Rakshasa, Antya, Pada},          // Ashlesha
    {Rat, Rakshasa, Antya, Pada},          // Magha
    {Rat, Manushya, Madhya, Kati},         // Poorva Phalguni
    {Cow, Manushya, Adi, Nabhi},           // Uttara Phalguni
    {Buffalo, Deva, Adi, Kantha},          // Hasta
    {Tiger, Rakshasa, Madhya, Siro},       // Chitra
    {Buffalo, Deva, Antya, Kantha},        // Swati
    {Tiger, Rakshasa, Antya, Nabhi},       // Vishakha
    {Deer, Deva, Madhya, Kati},            // Anuradha
    {Deer, Rakshasa, Adi, Pada},           // Jyeshtha
    {Dog, Rakshasa, Adi, Pada},            // Moola
    {Monkey, Manushya, Madhya, Kati},      // Purva Ashadha
    {Mongoose, Manushya, Antya, Nabhi},    // Uttara Ashadha
    {Monkey, Deva, Antya, Kantha},         // Shravana
    {Lion, Rakshasa, Madhya, Siro},        // Dhanistha
    {Horse, Rakshasa, Adi, Kantha},        // Shatabhisha
    {Lion, Manushya, Adi, Nabhi},          // Poorva Bhadrapada
    {Cow, Manushya, Madhya, Kati},         // Uttara Bhadrapada
    {Elephant, Deva, Antya, Pada},         // Revati
}};

constexpr std::array<std::pair<Yoni, Yoni>, 7> SwornEnemyPairs = {{
    {Horse, Buffalo}, {Elephant, Lion}, {Sheep, Monkey}, {Serpent, Mongoose}, {Dog, Deer}, {Cat, Rat}, {Cow, Tiger}}};

}  // namespace

bool SwornEnemies(Yoni one, Yoni other) {
    return std::ranges::any_of(SwornEnemyPairs, [&](const auto& pair) {
        return (pair.first == one && pair.second == other) || (pair.first == other && pair.second == one);
    });
}

const StarClasses& StarClassesOf(int nakshatra) { return Stars[static_cast<std::size_t>(nakshatra)]; }

}  // namespace grahavani
