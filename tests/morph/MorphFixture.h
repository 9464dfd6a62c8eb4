// Small word lists in the database's list format, shared by the morpher tests.
#pragma once

#include <initializer_list>
#include <string>

#include "WordMorpher.h"

// Every line preceded and followed by a single CR, as the builder writes them.
inline std::string Lines(std::initializer_list<const char*> lines) {
    std::string text;
    for (const char* line : lines) text += std::string("\r") + line;
    return lines.size() ? text + "\r" : text;
}

inline TWordMorpher FixtureMorpher() {
    return TWordMorpher(
        Lines({"GOOSE,GEESE", "MOUSE,MICE", "FISH,FISH,FISHES", "AXIS,AXES", "AXE,AXES"}),
        Lines({"BE,WAS,BEEN,BEING,IS", "RUN,RAN,RUN,RUNNING,RUNS", "GIVE,GAVE,GIVEN,GIVING,GIVES",
               "DREAM,DREAMED,DREAMED,DREAMING,DREAMS,DREAMT", "BURN,BURNED,,BURNING,,BURNT",
               "REEVE,ROVE,,REEVING,REEVES", "RIVE,RIVED,ROVE,RIVING,RIVES"}),
        Lines({"GOOD,BETTER,BEST", "FAR,FARTHER,FARTHEST,FURTHEST"}),
        Lines({"LARG", "HAPPI", "TALL"}), Lines({"STOP", "QUIZ"}));
}
