#pragma once
// The classes matching gives each of the 27 stars: its animal (yoni), temperament (gana),
// pulse (nadi) and cord (rajju).

#include <array>
#include <string_view>

namespace grahavani {

enum class Yoni { Horse, Elephant, Sheep, Serpent, Dog, Cat, Rat, Cow, Buffalo, Tiger, Deer, Monkey, Mongoose, Lion };
enum class Gana { Deva, Manushya, Rakshasa };
enum class Nadi { Adi, Madhya, Antya };
enum class Rajju { Pada, Kati, Nabhi, Kantha, Siro };

inline constexpr std::array<std::string_view, 14> YoniNames = {
    "Horse", "Elephant", "Sheep", "Serpent", "Dog", "Cat", "Rat",
    "Cow", "Buffalo", "Tiger", "Deer", "Monkey", "Mongoose", "Lion"};
inline constexpr std::array<std::string_view, 3> GanaNames = {"Deva", "Manushya", "Rakshasa"};
inline constexpr std::array<std::string_view, 3> NadiNames = {"Adi", "Madhya", "Antya"};

struct StarClasses {
    Yoni Animal;
    Gana Temperament;
    Nadi Pulse;
    Rajju Cord;
};

// The classes of star 0 (Ashwini) to 26 (Revati).
const StarClasses& StarClassesOf(int nakshatra);

// Horse–Buffalo, Elephant–Lion, Sheep–Monkey, Serpent–Mongoose, Dog–Deer, Cat–Rat, Cow–Tiger.
bool SwornEnemies(Yoni one, Yoni other);

template <typename Class, std::size_t Count>
std::string_view ClassName(const std::array<std::string_view, Count>& names, Class value) {
    return names[static_cast<std::size_t>(value)];
}

}  // namespace grahavani
