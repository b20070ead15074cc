#include "matching/match_notes.h"

#include <algorithm>

#include "interpretation/sign_summary_table.h"
#include "vargas/planet_relations.h"
#include "model/name_tables.h"
#include "model/vedic_names.h"

namespace grahavani {
namespace {

std::string StarName(int nakshatra) { return std::string(NakshatraNames[static_cast<std::size_t>(nakshatra)]); }

std::string SignName(int sign) { return std::string(SignSummaryTable[static_cast<std::size_t>(sign)].englishName); }

std::string LordName(std::size_t lord) { return std::string(BodyNames[lord]); }

void AddNadiNotes(const MoonPlacement& boy, const MoonPlacement& girl, std::vector<std::string>& notes) {
    if (boy.Nakshatra == girl.Nakshatra && boy.Pada == girl.Pada) {
        notes.push_back("Nadi dosha at its strongest: both Moons in " + StarName(boy.Nakshatra) + ", pada " +
                        std::to_string(boy.Pada));
        return;
    }
    if (boy.Nakshatra == girl.Nakshatra) {
        notes.push_back("Nadi dosha cancelled: both Moons in " + StarName(boy.Nakshatra) + ", padas " +
                        std::to_string(boy.Pada) + " and " + std::to_string(girl.Pada));
        if (boy.Sign != girl.Sign) {
            notes.push_back("Nadi dosha cancelled: both Moons in " + StarName(boy.Nakshatra) + ", in " +
                            SignName(std::min(boy.Sign, girl.Sign)) + " and " +
                            SignName(std::max(boy.Sign, girl.Sign)));
        }
    } else if (boy.Sign == girl.Sign) {
        notes.push_back("Nadi dosha cancelled: both Moons in " + SignName(boy.Sign) + ", in " +
                        StarName(std::min(boy.Nakshatra, girl.Nakshatra)) + " and " +
                        StarName(std::max(boy.Nakshatra, girl.Nakshatra)));
    }
}

void AddBhakootNotes(const MoonPlacement& boy, const MoonPlacement& girl, std::vector<std::string>& notes) {
    const int first = std::min(boy.Sign, girl.Sign);
    const int second = std::max(boy.Sign, girl.Sign);
    if (boy.SignLord == girl.SignLord) {
        notes.push_back("Bhakoot dosha cancelled: " + SignName(first) + " and " + SignName(second) +
                        " are both ruled by " + LordName(boy.SignLord));
    } else if (NaturalRelation(boy.SignLord, girl.SignLord) > 0 && NaturalRelation(girl.SignLord, boy.SignLord) > 0) {
        const MoonPlacement& lower = boy.Sign == first ? boy : girl;
        const MoonPlacement& higher = boy.Sign == first ? girl : boy;
        notes.push_back("Bhakoot dosha eased: " + LordName(lower.SignLord) + " and " + LordName(higher.SignLord) +
                        ", the lords of " + SignName(first) + " and " + SignName(second) + ", are mutual friends");
    }
}

}  // namespace

std::vector<std::string> MatchNotes(const MoonPlacement& boy, const MoonPlacement& girl, const Ashtakoota& kootas,
                                    const Manglik& boyManglik, const Manglik& girlManglik) {
    std::vector<std::string> notes;
    if (kootas[KootaName::Nadi].Score == 0) AddNadiNotes(boy, girl, notes);
    if (kootas[KootaName::Bhakoot].Score == 0) AddBhakootNotes(boy, girl, notes);
    if (boyManglik.Any && girlManglik.Any) {
        notes.emplace_back("Both charts are Manglik: the Kuja dosha of one balances the other's");
    } else if (boyManglik.Any != girlManglik.Any) {
        notes.push_back(std::string("Only the ") + (boyManglik.Any ? "boy's" : "girl's") +
                        " chart is Manglik: the Kuja dosha stands unbalanced");
    }
    return notes;
}

}  // namespace grahavani
