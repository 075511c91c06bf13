// Command identifiers of the menus, toolbar and accelerators.
#pragma once

namespace oskava::command {

constexpr int FileNew = 57600;
constexpr int FileOpen = 57601;
constexpr int FileSaveAs = 57604;
constexpr int FileImport = 32840;
constexpr int FileExport = 32841;
constexpr int FileSavePicture = 32842;
constexpr int AppExit = 57665;
constexpr int AppAbout = 57664;
constexpr int EditCopy = 57634;
constexpr int EditUndo = 57643;
constexpr int EditRedo = 57644;
constexpr int ViewToolbar = 59392;
constexpr int ViewStatusBar = 59393;

constexpr int AssignStdDev = 32797;
constexpr int AddNoise = 32772;
constexpr int DeleteElectrode = 32806;
constexpr int Statistics = 32809;
constexpr int FilterData = 32830;
constexpr int ErrorAnalysis = 32831;
constexpr int ElectrodeMisfit = 32832;

constexpr int Interpolate = 32773;
constexpr int Log10 = 32774;
constexpr int ConductivityResistivity = 32779;
constexpr int ColourBw = 32780;
constexpr int ZoomIn = 32781;
constexpr int ZoomOut = 32784;
constexpr int Errors = 32785;
constexpr int PredictedData = 32788;
constexpr int Difference = 32789;
constexpr int MinMax = 32792;
constexpr int IpUnits = 32794;
constexpr int FlipColours = 32795;
constexpr int DataPoints = 32796;
constexpr int FontDecrease = 32799;
constexpr int FontIncrease = 32800;
constexpr int ZoomFit = 32835;

}  // namespace oskava::command
