// The steps of reading config.txt and the list files it names, in the
// order they are taken, and what each reads. A load stops reading
// config.txt at a document that cannot be opened; every other step that
// fails is told, and the steps after it are still taken.
#pragma once

#include <cstddef>
#include <vector>
#include "settings/Translated.h"

enum class LoadStep
{
    openDocument = 1,
    basicSection,
    netSection,
    controlSection,
    matchSection,
    manipSection,
    replayListPath,
    replayListFile,
    fontListPath,
    fontListFile,
    imageListPath,
    bgmListPath,
    bgmListFile,
    imageListFile,    // read after the music list, not right after its path
    seListPath,
    seListFile,
    dataListPath,
    dataListFile,
    thinkListPath,
    thinkListFile
};

// the message of a file that cannot be opened, for reading or writing
inline const wchar_t cannotOpenText[] = wxTRANSLATE(L"ファイルが開けません");

// What a step reads: the document itself, a section of it (by its place in
// GameSettings::Sections), or a list's path or file (by its place in
// GameSettings::Lists).
struct LoadStepPart
{
    enum Kind
    {
        document,
        section,
        listPath,
        listFile
    };

    LoadStep step;
    Kind kind;
    size_t index;    // of the section or the list
};

// every step, in the order a load takes them
const std::vector<LoadStepPart>& LoadSteps();
const LoadStepPart& PartOf(LoadStep step);

// what the status bar says when a load stops at the step, in the user's
// language, and that in English
wxString LoadStepMessage(LoadStep step);
const wchar_t* LoadStepGloss(LoadStep step);
