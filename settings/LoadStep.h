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
