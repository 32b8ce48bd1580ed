// The steps of reading config.txt and the list files it names, in the
// order they are taken. A load stops at the first step that fails.
#pragma once

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
inline const wchar_t cannotOpenText[] = L"ファイルが開けません";

// what the status bar says when a load stops at the step, and that in English
const wchar_t* LoadStepMessage(LoadStep step);
const wchar_t* LoadStepGloss(LoadStep step);
