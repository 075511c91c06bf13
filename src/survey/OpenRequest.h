// What opening a survey is asked to read, and what its caller must do afterwards.
#pragma once

#include <optional>
#include <string>

namespace oskava {

/// How an opening sequence ended.
enum class OpenOutcome {
    Opened,      // the survey is ready and the views were told (hint 0)
    Failed,      // a reader reported why; no survey is ready (at start-up: the program ends)
    EndProcess,  // a required file is missing: the program must end with status -1
};

/// What an opening does once DC data with the wrong sign have stopped the derived
/// quantities and their messages are shown.
enum class WrongSignData {
    Ask,       // "N of M data have the wrong sign.\nOpen the survey without them?"
    LeaveOut,  // opens without them (the command line's --drop-wrong-sign)
    Stop,      // the load stops, as for any other data error
};

/// The options the inversion package's interface passes when it starts the viewer.
struct CommandLineOptions {
    std::string dataFile;        // the first argument that is not an option; empty: none
    std::optional<bool> isDC;    // "/dc": true, else "/ip": false; neither: keep the document's
    std::string topographyFile;  // from "/topo="; empty: none
    bool predicted = false;      // "/pre": read the inversion's predicted data and log
};

/// The fields of the Load Data dialog.
struct LoadDataFields {
    std::string dataFile;
    std::string predictedFile;   // empty: none
    std::string topographyFile;  // empty: none
    bool isDC = true;
};

/// Everything one opening sequence reads.
struct OpenRequest {
    std::string dataFile;
    std::optional<bool> isDC;    // unset: the document keeps its data type
    std::string topographyFile;  // empty: none
    std::string logFile;         // empty: none; read only when the data carry no errors
    std::string predictedFile;   // empty: none
    WrongSignData wrongSign = WrongSignData::Ask;
};

/// The predicted data an inversion run leaves in the current directory.
inline std::string InversionPredictedFile(bool isDC) {
    return isDC ? "tarnel.pre" : "brisko.pre";
}
/// The log an inversion run leaves in the current directory.
inline std::string InversionLogFile(bool isDC) {
    return isDC ? "tarnel.log" : "brisko.log";
}

}  // namespace oskava
