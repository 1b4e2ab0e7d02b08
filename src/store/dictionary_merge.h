#pragma once
// Bringing a dictionary's words into the emoticon list: several readings of one emoticon become
// one entry whose tag holds them all, separated by spaces; an emoticon the list holds gets only
// the readings its tag lacks; new emoticons go to the end, so the list keeps its order.
// Window-free; the list and the words are in the same encoding.
#include <cstddef>
#include <string>
#include <vector>

#include "store/dictionary_file.h"
#include "store/face_lists.h"

struct ImportPlan {
    // Entries appended to the list, in the order the file first names them.
    TextList newFaces;
    TextList newTags;
    // tags[taggedEntries[i]] gains tagAdditions[i] (its separating space included).
    std::vector<std::size_t> taggedEntries;
    TextList tagAdditions;
    // The words the plan is made of, and those of parts of speech it leaves out.
    std::size_t wordsTaken = 0;
    std::size_t wordsLeftOut = 0;
};

// Which words are taken: an emoticon list's entries always; of a dictionary, those whose part of
// speech is 顔文字, or 記号 where it has no 顔文字, or every word when everyWord is set.
ImportPlan PlanImport(const TextList& faces, const TextList& tags,
                      const std::vector<DictionaryWord>& words, bool everyWord);

void ApplyImportPlan(TextList& faces, TextList& tags, const ImportPlan& plan);

// The readings of a tag: its words between spaces.
std::vector<std::string> ReadingsOfTag(const std::string& tag);
