#include "settings/LoadStep.h"

namespace
{
struct StepText
{
    const wchar_t* message;
    const wchar_t* gloss;
};

// by the part of the settings a step reads
const StepText cannotOpen = {cannotOpenText, L"cannot open the file"};
const StepText basic = {L"基本設定が異常です", L"basic settings are invalid"};
const StepText net = {L"通信設定が異常です", L"communication settings are invalid"};
const StepText control = {L"操作設定が異常です", L"control settings are invalid"};
const StepText match = {L"試合設定が異常です", L"match settings are invalid"};
const StepText manip = {L"補整設定が異常です", L"handicap settings are invalid"};
const StepText replay = {L"リプレイ設定ファイルが異常です", L"replay settings file is invalid"};
const StepText font = {L"フォント設定ファイルが異常です", L"font settings file is invalid"};
const StepText image = {L"画像設定ファイルが異常です", L"image settings file is invalid"};
const StepText bgm = {L"BGM設定ファイルが異常です", L"BGM settings file is invalid"};
const StepText se = {L"効果音設定ファイルが異常です", L"sound-effect settings file is invalid"};
const StepText data = {L"データ設定ファイルが異常です", L"data settings file is invalid"};
const StepText think = {L"作戦設定ファイルが異常です", L"strategy settings file is invalid"};

const StepText& TextOf(LoadStep step)
{
    switch (step)
    {
    case LoadStep::openDocument: return cannotOpen;
    case LoadStep::basicSection: return basic;
    case LoadStep::netSection: return net;
    case LoadStep::controlSection: return control;
    case LoadStep::matchSection: return match;
    case LoadStep::manipSection: return manip;
    case LoadStep::replayListPath:
    case LoadStep::replayListFile: return replay;
    case LoadStep::fontListPath:
    case LoadStep::fontListFile: return font;
    case LoadStep::imageListPath:
    case LoadStep::imageListFile: return image;
    case LoadStep::bgmListPath:
    case LoadStep::bgmListFile: return bgm;
    case LoadStep::seListPath:
    case LoadStep::seListFile: return se;
    case LoadStep::dataListPath:
    case LoadStep::dataListFile: return data;
    case LoadStep::thinkListPath:
    case LoadStep::thinkListFile: return think;
    }
    return cannotOpen;
}
}

const wchar_t* LoadStepMessage(LoadStep step)
{
    return TextOf(step).message;
}

const wchar_t* LoadStepGloss(LoadStep step)
{
    return TextOf(step).gloss;
}
