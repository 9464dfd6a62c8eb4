// The five word lists of the morphology, made from WordNet's exception files
// and checked against a hunspell dictionary.
#pragma once

#include <string>
#include <vector>

#include "WordNetReader.h"

class THunspellWords;

struct TMorphLists {
    std::string nounExceptions;
    std::string verbExceptions;
    std::string adjectiveExceptions;
    std::string adjectiveStems;
    std::string doublingVerbs;
};

// Joins lines into a list text: CR before the first line and after each.
std::string ListText(const std::vector<std::string>& lines);

// The stem the morpher looks for in AdjectiveStems for adjective (its regular
// comparative without "er"), and the regular comparative and superlative.
struct TAdjectiveForms {
    std::string stem, comparative, superlative;
};
TAdjectiveForms RegularAdjectiveForms(const std::string& adjective);

TMorphLists BuildMorphLists(const TWordNet& wordNet, const THunspellWords& words);
