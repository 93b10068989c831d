#pragma once
// The program's own words in its message boxes, beside the string table of
// q6setup.rc that holds the windows' texts: every text the user can see is in
// this folder. The boxes speak English, in ASCII.

// ---- Exchanges with the arrays
inline constexpr char kCreateSocketText[] = "Failed to createsock!";
inline constexpr char kCreateSocketCaption[] = "createsock error";
inline constexpr char kBindText[] = "Failed to bind CLIENT_PORT!\nError Code";
inline constexpr char kBindCaption[] = "bind error";
inline constexpr char kSelectText[] = "Fail to select";
inline constexpr char kSelectCaption[] = "select error";
inline constexpr char kSendText[] =
    "Failed to send the request! Check that this computer is connected to the network.";
inline constexpr char kSendCaption[] = "send error";
// A socket notification that carried an error code: its event, then the code.
inline constexpr char kEventErrorFormat[] = "WSAAsynch Event # %u, Error: %u";
inline constexpr char kEventErrorCaption[] = "CMarlowdeskUIDlg::OnPINGAsynch";

// ---- Step 1 and the password window
// Before the address another array answers for too.
inline constexpr char kSharedAddressBefore[] = "Another array also answers for ";
inline constexpr char kSharedAddressAfter[] =
    ".\nThe password check and the new settings will reach every array with this "
    "address.\nGo on?";
inline constexpr char kErrorCaption[] = "Error";
inline constexpr char kAddressTooLongText[] =
    "The array's address is too long: the request cannot be sent!";
inline constexpr char kWrongPasswordText[] = "Wrong password!";
inline constexpr char kNoAnswerToCheckText[] = "Error server is not exist!!";

// ---- Steps 2 and 3
inline constexpr char kHostNameSeparatorsText[] = "Host name must not contain \"&\" or \"=\"!";
inline constexpr char kSettingsTooLongText[] =
    "Settings are too long! An array takes at most 999 characters; nothing was changed.";

// ---- Step 4
inline constexpr char kStatusCaption[] = "Status";
inline constexpr char kSavedText[] = "Configurations have saved successfully!";
inline constexpr char kSaveFailedText[] = "Configurations have saved Fail!";
inline constexpr char kNoAnswerToSaveText[] = "Server does not exist!!";

// ---- Any window
// Before what went wrong, when a handler fails in a way the program cannot go on from.
inline constexpr char kUnexpectedErrorText[] =
    "The program met an unexpected error and must close:\n";
