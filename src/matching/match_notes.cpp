#include "matching/match_notes.h"

#include <algorithm>

#include "interpretation/sign_summary_table.h"
#include "vargas/planet_relations.h"
#include "model/name_tables.h"
#include "model/vedic_names.h"
#include "translation/translated.h"

namespace grahavani {
namespace {

// The notes' words and names in one language.
class NoteWords {
public:
    explicit NoteWords(Language language) : language_(language) {}
    std::string operator()(std::string_view english) const {
        return std::string(Translated(language_, "matching/match_notes.cpp MatchNotes", english));
    }
    std::string Star(int nakshatra) const {
        return Name("model/vedic_names.h NakshatraNames", NakshatraNames[static_cast<std::size_t>(nakshatra)]);
    }
    std::string Sign(int sign) const {
        return Name("interpretation/sign_summary_table.h EnglishName",
                    SignSummaryTable[static_cast<std::size_t>(sign)].englishName);
    }
    std::string Lord(std::size_t lord) const { return Name("model/name_tables.h BodyNames", BodyNames[lord]); }

private:
    std::string Name(std::string_view context, std::string_view english) const {
        return std::string(Translated(language_, context, english));
    }
    Language language_;
};

void AddNadiNotes(const MoonPlacement& boy, const MoonPlacement& girl, const NoteWords& w,
                  std::vector<std::string>& notes) {
    if (boy.Nakshatra == girl.Nakshatra && boy.Pada == girl.Pada) {
        notes.push_back(w("Nadi dosha at its strongest: both Moons in ") + w.Star(boy.Nakshatra) + w(", pada ") +
                        std::to_string(boy.Pada));
        return;
    }
    if (boy.Nakshatra == girl.Nakshatra) {
        notes.push_back(w("Nadi dosha cancelled: both Moons in ") + w.Star(boy.Nakshatra) + w(", padas ") +
                        std::to_string(boy.Pada) + w(" and ") + std::to_string(girl.Pada));
        if (boy.Sign != girl.Sign) {
            notes.push_back(w("Nadi dosha cancelled: both Moons in ") + w.Star(boy.Nakshatra) + w(", in ") +
                            w.Sign(std::min(boy.Sign, girl.Sign)) + w(" and ") +
                            w.Sign(std::max(boy.Sign, girl.Sign)));
        }
    } else if (boy.Sign == girl.Sign) {
        notes.push_back(w("Nadi dosha cancelled: both Moons in ") + w.Sign(boy.Sign) + w(", in ") +
                        w.Star(std::min(boy.Nakshatra, girl.Nakshatra)) + w(" and ") +
                        w.Star(std::max(boy.Nakshatra, girl.Nakshatra)));
    }
}

void AddBhakootNotes(const MoonPlacement& boy, const MoonPlacement& girl, const NoteWords& w,
                     std::vector<std::string>& notes) {
    const int first = std::min(boy.Sign, girl.Sign);
    const int second = std::max(boy.Sign, girl.Sign);
    if (boy.SignLord == girl.SignLord) {
        notes.push_back(w("Bhakoot dosha cancelled: ") + w.Sign(first) + w(" and ") + w.Sign(second) +
                        w(" are both ruled by ") + w.Lord(boy.SignLord));
    } else if (NaturalRelation(boy.SignLord, girl.SignLord) > 0 && NaturalRelation(girl.SignLord, boy.SignLord) > 0) {
        const MoonPlacement& lower = boy.Sign == first ? boy : girl;
        const MoonPlacement& higher = boy.Sign == first ? girl : boy;
        notes.push_back(w("Bhakoot dosha eased: ") + w.Lord(lower.SignLord) + w(" and ") + w.Lord(higher.SignLord) +
                        w(", the lords of ") + w.Sign(first) + w(" and ") + w.Sign(second) +
                        w(", are mutual friends"));
    }
}

}  // namespace

std::vector<std::string> MatchNotes(const MoonPlacement& boy, const MoonPlacement& girl, const Ashtakoota& kootas,
                                    const Manglik& boyManglik, const Manglik& girlManglik, Language language) {
    const NoteWords w(language);
    std::vector<std::string> notes;
    if (kootas[KootaName::Nadi].Score == 0) AddNadiNotes(boy, girl, w, notes);
    if (kootas[KootaName::Bhakoot].Score == 0) AddBhakootNotes(boy, girl, w, notes);
    if (boyManglik.Any && girlManglik.Any) {
        notes.push_back(w("Both charts are Manglik: the Kuja dosha of one balances the other's"));
    } else if (boyManglik.Any != girlManglik.Any) {
        notes.push_back(w("Only the ") + w(boyManglik.Any ? "boy's" : "girl's") +
                        w(" chart is Manglik: the Kuja dosha stands unbalanced"));
    }
    return notes;
}

}  // namespace grahavani
