#pragma once

// The numbered texts (labels and words), questions and faults that every
// message box, report line and grid cell takes its wording from. Callers name
// an entry by number; the numbers are the same in every language.
//
// A lookup returns the entry's code page 1252 text, or nullptr for "no text":
// a number outside the table, or an entry that the language leaves unfilled.
// An entry filled with an empty text returns "" and is not "no text".
namespace kx700 {

constexpr int kTextCount = 300;
constexpr int kMessageCount = 30;
constexpr int kFaultCount = 50;

// Question entry 0 and fault entry 0 are the caption words of message boxes.
constexpr int kCaptionWordEntry = 0;

using TextLookup = const char* (*)(int number);

// Fill one table of one language. The tables are built from constant data
// once and never change; calling these again does nothing.
void LoadTextsDutch();
void LoadMessagesDutch();
void LoadFaultsDutch();
void LoadTextsFrench();
void LoadMessagesFrench();
void LoadFaultsFrench();
void LoadTextsEnglish();
void LoadMessagesEnglish();
void LoadFaultsEnglish();
// All nine tables, as the application object does when it is constructed.
void LoadAllTextTables();

const char* GetTextDutch(int number);
const char* GetMessageDutch(int number);
const char* GetFaultDutch(int number);
const char* GetTextFrench(int number);
const char* GetMessageFrench(int number);
const char* GetFaultFrench(int number);
const char* GetTextEnglish(int number);
const char* GetMessageEnglish(int number);
const char* GetFaultEnglish(int number);

// The active language. Everything outside this module reaches the tables only
// through these three.
const char* GetText(int number);
const char* GetMessage(int number);
const char* GetFault(int number);

enum class TextLanguage { Dutch, French, English };

// Points the three active lookups at one language's tables (Dutch at start).
void SelectTextLanguage(TextLanguage language);
// Points each active lookup at a lookup of its own.
void SetActiveLookups(TextLookup text, TextLookup message, TextLookup fault);

// The text of an entry, or "" where the lookup yields no text: for callers that
// format, show, draw or export it.
inline const char* OrEmpty(const char* text) { return text ? text : ""; }

} // namespace kx700
