#include "settings/BasicSection.h"

namespace
{
using namespace BasicGroup;


std::vector<SettingGroup> Groups()
{
    return {
        {_(L"画面設定"), 0}, {_(L"音源設定"), 1}, {_(L"音量"), 1},   {_(L"言語とフォント"), 0},
        {_(L"表示精度"), 0}, {_(L"カメラ"), 1},   {_(L"その他"), 1},
    };
}

const std::vector<wxString> offOn = {L"OFF", L"ON"};
std::vector<wxString> Filters()
{
    return {_(L"ニアレスト"), _(L"リニアー")};
}

std::vector<Setting> Settings()
{
    return {
        ChoiceSetting("resolution", screen, _(L"解像度"),
                      {L" 640x480", L" 800x600", L"1024x768", L" 320x240", L" 400x300", L" 512x384"}, 0,
                      {L"", L"#Screen Config", L"#Screeen Size  0 : 640x480  1 : 800x600  2 : 1024x768",
                       L"#Default 0"})
            .About(_(L"ゲーム画面の大きさ")),
        ChoiceSetting("screenMode", screen, _(L"モード"), {_(L"ウィンドウ"), _(L"フルスクリーン")}, 0,
                      {L"#Screen Mode  0 : Window Mode  1 : Full Screen Mode", L"#Default 0"})
            .About(_(L"ウィンドウで表示するか、画面全体に表示するか")),
        ChoiceSetting("frequency", sound, _(L"周波数"), {L"44100", L"22050", L"11025", L"48000", L"32000"}, 0,
                      {L"", L"#Sound Config",
                       L"#Sound Frequency  0 : 44100  1 : 22050  2 : 11025  3 : 48000  4 : 32000",
                       L"#Default 0"})
            .About(_(L"音を出すときのサンプリング周波数（Hz）")),
        ChoiceSetting("format", sound, _(L"フォーマット"), {L"16 bit", L" 8 bit"}, 0,
                      {L"#Sound Format  0 : 16bit  1 : 8bit", L"#Default 0"})
            .About(_(L"音の一つのサンプルのビット数")),
        ChoiceSetting("channels", sound, _(L"チャンネル"), {_(L"ステレオ"), _(L"モノラル")}, 0,
                      {L"#Sound Channel  0 : Stereo  1 : Mono", L"#Default 0"})
            .About(_(L"音をステレオで出すか、モノラルで出すか")),
        ChoiceSetting("bufferSize", sound, _(L"バッファー"), {L"4096", L"2048", L"1024", L" 512", L"8182"}, 0,
                      {L"#Sound Buffer Size  0 : 4096  1 : 2048  2 : 1024  3 : 512  4 : 8182",
                       L"#Default 0"})
            .About(_(L"音のバッファーの大きさ（サンプル数）")),
        NumberSetting("bgmVolume", volume, _(L"BGMボリューム"), -8, 128, 8, -8,
                      {L"", L"#BGM Volume  -8-128", L"#Default -8"})
            .About(_(L"BGMの音量")),
        NumberSetting("seVolume", volume, _(L"効果音ボリューム"), -8, 128, 8, -8,
                      {L"", L"#Sound Effect  Volume -8-128", L"#Default -8"})
            .About(_(L"効果音の音量")),
        ChoiceSetting("language", language, _(L"言語"), {_(L"日本語(漢字)"), _(L"日本語(かな)"), _(L"英語")}, 0,
                      {L"", L"#Language  0 : Japanese Kanji  1 : Japanese Kana  2 : English",
                       L"#Default 0"})
            .About(_(L"ゲームの文字の言語")),
        ChoiceSetting("ttfAlphabet", language, _(L"英字フォント"), {_(L"ビットマップ"), _(L"トゥルータイプ")}, 1,
                      {L"", L"#Make Alphabet Font from TTF  0 : No  1 : Yes", L"#Default 1"})
            .About(_(L"英字をビットマップで描くか、トゥルータイプフォントから作るか")),
        ChoiceSetting("polygonFont", language, _(L"ポリゴンフォント"), {_(L"使用しない"), _(L"使用する")}, 1,
                      {L"#Use Polygon Font  0 : No  1 : Yes", L"#Default 1"})
            .About(_(L"文字をポリゴンで描くかどうか")),
        NumberSetting("partitions", accuracy, _(L"分割数"), 2, 10, 1, 6,
                      {L"", L"#Expression Accuracy Config", L"#Partition Number  2-10",
                       L"#Default 9"})
            .About(_(L"曲面を描くときの分割数（多いほど滑らか）")),
        ChoiceSetting("face", accuracy, _(L"顔表示"), {_(L"なし"), _(L"テクスチャ"), _(L"ポリゴン")}, 2,
                      {L"#Face Style  0 : None  1 : Texture  2 : Polygon", L"#Default 2"})
            .About(_(L"ボクサーの顔の描き方")),
        ChoiceSetting("shadows", accuracy, _(L"影"), offOn, 1, {L"#Shadows  1 : ON  0 : OFF", L"#Default 1"})
            .About(_(L"影を描くかどうか")),
        ChoiceSetting("background", accuracy, _(L"背景"), {L"OFF", _(L"グレー"), _(L"テクスチャ")}, 2,
                      {L"#BackGround  0 : OFF  1 : Gray  2 : Texture", L"#Default 2"})
            .About(_(L"リングの背景の描き方")),
        ChoiceSetting("ringAds", accuracy, _(L"リング広告"), offOn, 1,
                      {L"#Ring Ad's  1 : ON  0 : OFF", L"#Default 1"})
            .About(_(L"リングに広告を描くかどうか")),
        ChoiceSetting("magnification", accuracy, _(L"拡大フィルター"), Filters(), 1,
                      {L"#Texture Magnification Filter  0 : Nearest  1 : Linear", L"#Default 0"})
            .About(_(L"テクスチャを拡大して描くときのフィルター")),
        ChoiceSetting("minification", accuracy, _(L"縮小フィルター"), Filters(), 0,
                      {L"#Texture Minification Filter  0 : Nearest  1 : Linear", L"#Default 0"})
            .About(_(L"テクスチャを縮小して描くときのフィルター")),
        NumberSetting("skipFrame", accuracy, _(L"スキップフレーム"), 1, 5, 1, 1, {L"#Skip Frame  1-5", L"#Default 1"})
            .About(_(L"描くのを間引くフレーム数（多いほど軽い）")),
        ChoiceSetting("view", camera, _(L"初期視点"),
                      {_(L"サイドビュー1"), _(L"サイドビュー2"), _(L"バックビュー1"), _(L"バックビュー2"),
                       _(L"トップビュー1"), _(L"トップビュー2"), _(L"ボクサービュー1"), _(L"ボクサービュー2"),
                       _(L"固定ビュー1"), _(L"固定ビュー2"), _(L"固定ビュー3"), _(L"固定ビュー4"),
                       _(L"固定ビュー5"), _(L"固定ビュー6"), _(L"固定ビュー7"), _(L"固定ビュー8")},
                      0,
                      {L"", L"#Camera Config",
                       L"#Default View  0 : SideView1  1 : SideView2  2 : BackView1  3 : BackView2",
                       L"#              4 : TopView1  5 : Top View 2  6 : BoxerView1  7 : BoxerView2",
                       L"#Default 0"})
            .About(_(L"試合が始まったときのカメラの視点")),
        NumberSetting("angle", camera, _(L"アングル"), -90, 90, 5, 10, {L"#Angle  -90-90", L"#Default 10"})
            .About(_(L"カメラの角度（度）")),
        NumberSetting("brightness", camera, _(L"明るさ"), -100, 100, 5, 0, {L"#Brightness  -100-100", L"#Default 0"})
            .About(_(L"画面の明るさ")),
        ChoiceSetting("skipOpening", other, _(L"スキップオープニング"), offOn, 0,
                      {L"", L"#Skip Opening  0 : No  1 : Yes", L"#Default 0"})
            .About(_(L"オープニングを飛ばすかどうか")),
        ChoiceSetting("skipReplay", other, _(L"スキップリプレイ"), offOn, 0,
                      {L"#Skip Replay  0 : No  1 : Yes", L"#Default 0"})
            .About(_(L"リプレイを飛ばすかどうか")),
        ChoiceSetting("skipDown", other, _(L"スキップダウン"), offOn, 0,
                      {L"#Skip Down  0 : No  1 : Yes", L"#Default 0"})
            .About(_(L"ダウンの場面を飛ばすかどうか")),
    };
}
}

SettingSection BasicSection()
{
    return SettingSection(Groups(), Settings());
}
