// The verb lines of the morphology: WordNet's verb.exc lists irregular forms
// without saying which form is which; these rules say it, and complete each
// line with the forms WordNet leaves to the regular rules.
#pragma once

#include <string>
#include <vector>

class THunspellWords;
class TWordMorpher;

enum class TVerbRole {
    PresentParticiple,
    ThirdPerson,
    Present,    // "am", "are": neither past nor participle
    Variant,    // another spelling of the base itself
    Participle,
    Past,
};

// Classifies form (one of forms, all listed for base) by the rule table.
// regular knows only the regular rules (and the doubling verbs).
TVerbRole ClassifyVerbForm(const std::string& base, const std::string& form,
                           const std::vector<std::string>& forms, const TWordMorpher& regular);

struct TVerbLine {
    std::string base;
    std::string past, participle, presentParticiple, thirdPerson;
    std::vector<std::string> also;  // further forms, shown after ", also "
};

// The complete line of base from its listed forms (WordNet's order; none
// for a verb WordNet lists nothing of, such as burst or hoe).
TVerbLine CompleteVerbLine(const std::string& base, const std::vector<std::string>& forms,
                           const TWordMorpher& regular, const THunspellWords& words);

// True when the regular rules alone give every form of the line, so that
// the morphology needs no line for it.
bool IsRegular(const TVerbLine& line, const TWordMorpher& regular);

// "KEY,PAST,PARTICIPLE,PRESENT PARTICIPLE,THIRD PERSON[,ALSO...]", upper case.
std::string VerbLineText(const TVerbLine& line);
