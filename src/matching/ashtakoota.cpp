#include "matching/ashtakoota.h"

#include "vargas/planet_relations.h"
#include "matching/star_classes.h"
#include "model/chart_result.h"
#include "model/name_tables.h"

namespace grahavani {
namespace {

enum class Varna { Brahmin, Kshatriya, Vaishya, Shudra };  // highest first
constexpr std::array<std::string_view, 4> VarnaNames = {"Brahmin", "Kshatriya", "Vaishya", "Shudra"};

using enum Varna;
constexpr std::array<Varna, 12> SignVarnas = {Kshatriya, Vaishya, Shudra, Brahmin, Kshatriya, Vaishya,
                                              Shudra,    Brahmin, Kshatriya, Vaishya, Shudra, Brahmin};

enum class Vashya { Chatushpada, Manava, Jalachara, Vanachara, Keeta };
constexpr std::array<std::string_view, 5> VashyaNames = {"Chatushpada", "Manava", "Jalachara", "Vanachara",
                                                         "Keeta"};

using enum Vashya;
// [sign][half]: Sagittarius and Capricorn change group at 15°.
constexpr std::array<std::array<Vashya, 2>, 12> SignVashyas = {{
    {Chatushpada, Chatushpada}, {Chatushpada, Chatushpada}, {Manava, Manava},
    {Jalachara, Jalachara},     {Vanachara, Vanachara},     {Manava, Manava},
    {Manava, Manava},           {Keeta, Keeta},             {Manava, Chatushpada},
    {Chatushpada, Jalachara},   {Manava, Manava},           {Jalachara, Jalachara},
}};

// [boy][girl]
constexpr std::array<std::array<double, 5>, 5> VashyaPoints = {{
    {2, 1, 1, 0.5, 1},
    {1, 2, 0.5, 0, 1},
    {1, 0.5, 2, 1, 1},
    {0.5, 0, 1, 2, 0},
    {1, 1, 1, 0, 2},
}};

// Symmetric, in Yoni order.
constexpr std::array<std::array<int, 14>, 14> YoniPoints = {{
    {4, 2, 2, 3, 2, 2, 2, 1, 0, 1, 3, 3, 2, 1},  // Horse
    {2, 4, 3, 3, 2, 2, 2, 2, 3, 1, 2, 3, 2, 0},  // Elephant
    {2, 3, 4, 2, 1, 2, 1, 3, 3, 1, 2, 0, 3, 1},  // Sheep
    {3, 3, 2, 4, 2, 1, 1, 1, 1, 2, 2, 2, 0, 2},  // Serpent
    {2, 2, 1, 2, 4, 2, 1, 2, 2, 1, 0, 2, 1, 1},  // Dog
    {2, 2, 2, 1, 2, 4, 0, 2, 2, 1, 3, 3, 2, 1},  // Cat
    {2, 2, 1, 1, 1, 0, 4, 2, 2, 2, 2, 2, 1, 2},  // Rat
    {1, 2, 3, 1, 2, 2, 2, 4, 3, 0, 3, 2, 2, 1},  // Cow
    {0, 3, 3, 1, 2, 2, 2, 3, 4, 1, 2, 2, 2, 1},  // Buffalo
    {1, 1, 1, 2, 1, 1, 2, 0, 1, 4, 1, 1, 2, 1},  // Tiger
    {3, 2, 2, 2, 0, 3, 2, 3, 2, 1, 4, 2, 2, 1},  // Deer
    {3, 3, 0, 2, 2, 3, 2, 2, 2, 1, 2, 4, 3, 2},  // Monkey
    {2, 2, 3, 0, 1, 2, 1, 2, 2, 2, 2, 3, 4, 2},  // Mongoose
    {1, 0, 1, 2, 1, 1, 2, 1, 1, 1, 1, 2, 2, 4},  // Lion
}};

// [boy][girl], Deva, Manushya, Rakshasa.
constexpr std::array<std::array<double, 3>, 3> GanaPoints = {{{6, 6, 0}, {5, 6, 0}, {1, 0, 6}}};

// By the girl's sign counted from the boy's, 1 to 12.
constexpr std::array<std::string_view, 12> BhakootDistances = {
    "1/1", "2/12", "3/11", "4/10", "5/9", "6/8", "7/7", "6/8", "5/9", "4/10", "3/11", "2/12"};

constexpr std::array<std::string_view, 9> TaraNumbers = {"1", "2", "3", "4", "5", "6", "7", "8", "9"};

// The tara of a star count: its remainder by 9, 0 read as 9.
int TaraOf(int count) { return (count - 1) % 9 + 1; }

bool FavourableTara(int tara) { return tara != 3 && tara != 5 && tara != 7; }

double GrahaMaitriPoints(std::size_t boyLord, std::size_t girlLord) {
    if (boyLord == girlLord) return 5;
    const int forward = NaturalRelation(boyLord, girlLord);
    const int backward = NaturalRelation(girlLord, boyLord);
    // Friend and enemy sum to 0 as two neutrals do, yet score 1 against 3.
    switch (forward + backward) {
        case 2: return 5;
        case 1: return 4;
        case 0: return forward == 0 ? 3 : 1;
        case -1: return 0.5;
        default: return 0;
    }
}

// The points of a [boy][girl] table for the two sides' classes.
template <typename Table, typename Class>
double Cell(const Table& table, Class boy, Class girl) {
    return table[static_cast<std::size_t>(boy)][static_cast<std::size_t>(girl)];
}

}  // namespace

std::string_view AshtakootaVerdict(double total) {
    if (total < 18) return "Not recommended";
    if (total < 25) return "Average";
    if (total <= 32) return "Good";
    return "Excellent";
}

int StarCount(int fromNakshatra, int toNakshatra) { return (toNakshatra - fromNakshatra + 27) % 27 + 1; }

int SignCount(int fromSign, int toSign) { return (toSign - fromSign + 12) % 12 + 1; }

bool SignsInBhakootDosha(int boySign, int girlSign) {
    const int count = SignCount(boySign, girlSign);
    return count == 2 || count == 12 || count == 5 || count == 9 || count == 6 || count == 8;
}

Ashtakoota AshtakootaOf(const MoonPlacement& boy, const MoonPlacement& girl) {
    Ashtakoota match;
    auto set = [&](KootaName name, double score, double maximum, std::string_view boyClass,
                   std::string_view girlClass) {
        match.Kootas[static_cast<std::size_t>(name)] = {score, maximum, boyClass, girlClass};
        match.Total += score;
    };
    const auto sign = [](const MoonPlacement& moon) { return static_cast<std::size_t>(moon.Sign); };

    const Varna boyVarna = SignVarnas[sign(boy)];
    const Varna girlVarna = SignVarnas[sign(girl)];
    set(KootaName::Varna, boyVarna <= girlVarna ? 1 : 0, 1, ClassName(VarnaNames, boyVarna),
        ClassName(VarnaNames, girlVarna));

    const Vashya boyVashya = SignVashyas[sign(boy)][boy.LaterHalfOfSign ? 1 : 0];
    const Vashya girlVashya = SignVashyas[sign(girl)][girl.LaterHalfOfSign ? 1 : 0];
    set(KootaName::Vashya, Cell(VashyaPoints, boyVashya, girlVashya), 2,
        ClassName(VashyaNames, boyVashya), ClassName(VashyaNames, girlVashya));

    match.BoyTara = TaraOf(StarCount(boy.Nakshatra, girl.Nakshatra));
    match.GirlTara = TaraOf(StarCount(girl.Nakshatra, boy.Nakshatra));
    set(KootaName::Tara, 1.5 * FavourableTara(match.BoyTara) + 1.5 * FavourableTara(match.GirlTara), 3,
        TaraNumbers[static_cast<std::size_t>(match.BoyTara - 1)],
        TaraNumbers[static_cast<std::size_t>(match.GirlTara - 1)]);

    const StarClasses& boyStar = StarClassesOf(boy.Nakshatra);
    const StarClasses& girlStar = StarClassesOf(girl.Nakshatra);
    set(KootaName::Yoni, Cell(YoniPoints, boyStar.Animal, girlStar.Animal), 4,
        ClassName(YoniNames, boyStar.Animal), ClassName(YoniNames, girlStar.Animal));

    set(KootaName::GrahaMaitri, GrahaMaitriPoints(boy.SignLord, girl.SignLord), 5, BodyNames[boy.SignLord],
        BodyNames[girl.SignLord]);

    set(KootaName::Gana, Cell(GanaPoints, boyStar.Temperament, girlStar.Temperament), 6,
        ClassName(GanaNames, boyStar.Temperament), ClassName(GanaNames, girlStar.Temperament));

    match.BhakootDistance = BhakootDistances[static_cast<std::size_t>(SignCount(boy.Sign, girl.Sign) - 1)];
    set(KootaName::Bhakoot, SignsInBhakootDosha(boy.Sign, girl.Sign) ? 0 : 7, 7, SignAbbreviation(boy.Sign),
        SignAbbreviation(girl.Sign));

    set(KootaName::Nadi, boyStar.Pulse == girlStar.Pulse ? 0 : 8, 8, ClassName(NadiNames, boyStar.Pulse),
        ClassName(NadiNames, girlStar.Pulse));

    match.Verdict = AshtakootaVerdict(match.Total);
    return match;
}

}  // namespace grahavani
