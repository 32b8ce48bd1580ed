#include "settings/LoadStep.h"

namespace
{
struct StepText
{
    const wchar_t* message;
    const wchar_t* gloss;
};

// what a load that stops says, by what the step reads: config.txt, then
// the sections in the order of GameSettings::Sections, then the lists in
// the order of GameSettings::Lists
const StepText texts[] = {
    {cannotOpenText, L"cannot open the file"},
    {wxTRANSLATE(L"基本設定が異常です"), L"basic settings are invalid"},
    {wxTRANSLATE(L"通信設定が異常です"), L"communication settings are invalid"},
    {wxTRANSLATE(L"操作設定が異常です"), L"control settings are invalid"},
    {wxTRANSLATE(L"試合設定が異常です"), L"match settings are invalid"},
    {wxTRANSLATE(L"補整設定が異常です"), L"handicap settings are invalid"},
    {wxTRANSLATE(L"リプレイ設定ファイルが異常です"), L"replay settings file is invalid"},
    {wxTRANSLATE(L"フォント設定ファイルが異常です"), L"font settings file is invalid"},
    {wxTRANSLATE(L"画像設定ファイルが異常です"), L"image settings file is invalid"},
    {wxTRANSLATE(L"BGM設定ファイルが異常です"), L"BGM settings file is invalid"},
    {wxTRANSLATE(L"効果音設定ファイルが異常です"), L"sound-effect settings file is invalid"},
    {wxTRANSLATE(L"データ設定ファイルが異常です"), L"data settings file is invalid"},
    {wxTRANSLATE(L"作戦設定ファイルが異常です"), L"strategy settings file is invalid"},
};
const size_t sectionCount = 5;

enum List : std::size_t
{
    replay,
    font,
    image,
    bgm,
    se,
    data,
    think
};

const StepText& TextOf(LoadStep step)
{
    const LoadStepPart& part = PartOf(step);
    switch (part.kind)
    {
    case LoadStepPart::document: return texts[0];
    case LoadStepPart::section: return texts[1 + part.index];
    case LoadStepPart::listPath:
    case LoadStepPart::listFile: return texts[1 + sectionCount + part.index];
    }
    return texts[0];
}
}

const std::vector<LoadStepPart>& LoadSteps()
{
    using Part = LoadStepPart;
    static const std::vector<LoadStepPart> steps = {
        {LoadStep::openDocument, Part::document, 0},
        {LoadStep::basicSection, Part::section, 0},
        {LoadStep::netSection, Part::section, 1},
        {LoadStep::controlSection, Part::section, 2},
        {LoadStep::matchSection, Part::section, 3},
        {LoadStep::manipSection, Part::section, 4},
        {LoadStep::replayListPath, Part::listPath, replay},
        {LoadStep::replayListFile, Part::listFile, replay},
        {LoadStep::fontListPath, Part::listPath, font},
        {LoadStep::fontListFile, Part::listFile, font},
        {LoadStep::imageListPath, Part::listPath, image},
        {LoadStep::bgmListPath, Part::listPath, bgm},
        {LoadStep::bgmListFile, Part::listFile, bgm},
        {LoadStep::imageListFile, Part::listFile, image},
        {LoadStep::seListPath, Part::listPath, se},
        {LoadStep::seListFile, Part::listFile, se},
        {LoadStep::dataListPath, Part::listPath, data},
        {LoadStep::dataListFile, Part::listFile, data},
        {LoadStep::thinkListPath, Part::listPath, think},
        {LoadStep::thinkListFile, Part::listFile, think},
    };
    return steps;
}

// the steps are numbered from 1 in the order they are taken
const LoadStepPart& PartOf(LoadStep step)
{
    return LoadSteps().at(static_cast<size_t>(step) - 1);
}

wxString LoadStepMessage(LoadStep step)
{
    return _(TextOf(step).message);
}

const wchar_t* LoadStepGloss(LoadStep step)
{
    return TextOf(step).gloss;
}
