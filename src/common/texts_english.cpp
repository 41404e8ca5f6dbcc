// English tables: texts 1 to 50, questions 0 to 10, faults 0 to 21; every
// other entry is left unfilled and yields no text.
#include "common/text_table_data.h"

namespace kx700::text_data {
namespace {

// clang-format off
constexpr Entry kTexts[] = {
    {1, "Are you sure?"},
    {2, "Send configuration"},
    {3, "Receive configuration"},
    {4, "Transmission successful!"},
    {5, "Detector"},
    {6, "Zone"},
    {7, "OK"},
    {8, "FAULT"},
    {9, "PC-Zenvik"},
    {10, "Unknown"},
    {11, "Jan."},
    {12, "Feb."},
    {13, "March"},
    {14, "April"},
    {15, "May"},
    {16, "June"},
    {17, "July"},
    {18, "Aug."},
    {19, "Sept."},
    {20, "Oct."},
    {21, "Nov."},
    {22, "Dec."},
    {25, "Control panel"},
    {26, "hour"},
    {27, ""},
    {28, "Zone parameters"},
    {29, "General"},
    {30, "Silence"},
    {31, ""},
    {32, "No."},
    {33, "GENERAL"},
    {34, "sunday"},
    {35, "monday"},
    {36, "tuesday"},
    {37, "wednesday"},
    {38, "thursday"},
    {39, "friday"},
    {40, "saturday"},
    {41, "ALARM+"},
    {42, "ALARM"},
    {43, "PRE_ALARM"},
    {44, "FAULT"},
    {45, "Control panel"},
    {46, "PC-Zenvik"},
    {47, "Minimum required version of PC-Zenvik"},
    {48, "File"},
    {49, "The file is not opened."},
    {50, "Do you want to send these parameters?"},
};

constexpr Entry kMessages[] = {
    {0, "Attention"},
    {1, "The current data will be overwritten.\nDo you want to continue?"},
    {2, "The current configuration will be overwritten.\nDo you want to continue?"},
    {3, "No data available!"},
    {4, "The current data will be erased.\nDo you want to continue?"},
    {5, ""},
    {7, ""},
    {8, "Do you want to memorize the registrations?"},
    {9, "The data was modified!\n\nDo you want to save the changes?"},
    {10, "Parameters coming from the control panel:"},
};

constexpr Entry kFaults[] = {
    {0, "Fault"},
    {1, "The serial port cannot be opened."},
    {2, "Set-up of the serial port has failed."},
    {3, "There is already a communication port in use."},
    {4, "The system fails to create a communication task."},
    {5, "The serial port cannot be closed."},
    {6, "A fault occurred during the transfer of data."},
    {7, "Insufficient memory is available."},
    {8, "The file is invalid or corrupt."},
    {9, "A parameter has an invalid value."},
    {10, "The parameters are not send to the control panel."},
    {11, "Wrong link."},
    {12, "Parameters are missing."},
    {13, "Parameters are incomplete!"},
    {14, "No parameters are available."},
    {15, "No KX700 file."},
    {16, "No communication!\n\nCauses:\n  - Is the connection with the control panel OK?\n  - Is the configuration of the serial port correct?"},
    {17, "Version conflict!"},
    {18, "Zone number duplicate."},
    {19, "PC-Zenvik is obsolete!\nCheck the number of the version."},
    {20, "There is no parameter transfer."},
    {21, "The file has been created with a more recent version of PC-Zenvik."},
};
// clang-format on

} // namespace

std::span<const Entry> EnglishTexts() { return kTexts; }
std::span<const Entry> EnglishMessages() { return kMessages; }
std::span<const Entry> EnglishFaults() { return kFaults; }

} // namespace kx700::text_data
