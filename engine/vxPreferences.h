#pragma once
// The product's preferences under ProductKey: the profile the wizard pages
// store and ApplyStoredProfile reads. Getters turn a missing or unusable value
// into its default; setters are not journalled.
#include <cstdint>
#include <string>
#include <string_view>

namespace vx {

inline constexpr std::string_view InstallDirPref = "installdir";
inline constexpr std::string_view ConnectPref = "connect";
inline constexpr std::string_view PmtuDiscoverPref = "PMTUDiscover";
inline constexpr std::string_view PmtuBlackHoleDetectPref = "PMTUBlackHoleDetect";
inline constexpr std::string_view SackPref = "sack";
inline constexpr std::string_view AcksPref = "acks";
inline constexpr std::string_view LinePref = "line";
inline constexpr std::string_view MtuPref = "mtu";
inline constexpr std::string_view NdiPref = "ndi";
inline constexpr std::string_view RwinPref = "rwin";
inline constexpr std::string_view SkaPref = "ska";
inline constexpr std::string_view TtlPref = "ttl";
inline constexpr std::string_view InitPref = "init";

// The autostart value that setup writes under AutostartKey; the reset removes
// it as "velocitrex" (value names compare without regard to case).
inline constexpr std::string_view AutostartValueName = "Velocitrex";
inline constexpr std::string_view AutostartResetName = "velocitrex";
inline constexpr std::string_view ResetConnectText = "Modem";
inline constexpr std::string_view ResetInitText = "okay";

// Set (never cleared) when ReadInitState finds "init" = "okay".
extern bool initOkay;

std::string GetConnectPref();  // "Modem" reads as "-2"
int32_t GetPmtuDiscoverPref();
int32_t GetPmtuBlackHoleDetectPref();
int32_t GetSackPref();
int32_t GetAcksPref();
bool GetLinePref();
int32_t GetMtuPref();
int32_t GetNdiPref();
int32_t GetRwinPref();
int32_t GetSkaPref();
int32_t GetTtlPref();
// The "init" text as stored ("" when absent).
std::string GetInitText();
bool ReadInitState();

bool SetConnectPref(std::string_view code);
bool SetPmtuDiscoverPref(int32_t number);
bool SetPmtuDiscoverPrefDefault();
bool SetPmtuBlackHoleDetectPref(int32_t number);
bool SetPmtuBlackHoleDetectPrefDefault();
bool SetSackPref(int32_t number);
bool SetSackPrefDefault();
bool SetAcksPref(int32_t number);
bool SetAcksPrefDefault();
bool SetLinePref(bool good);
bool SetMtuPref(bool useDefault, int32_t number);
bool SetNdiPref(bool useDefault, std::string_view text);
bool SetRwinPref(int32_t number);
bool SetRwinPrefDefault();
bool SetSkaPref(int32_t number);
bool SetTtlPref(int32_t number);
bool SetTtlPrefDefault();
bool MarkProfileApplied();

// Removes the autostart entry and resets the profile; keeps "installdir",
// "sack", "acks", the partner values and the journal.
bool ResetPreferences();

}  // namespace vx
