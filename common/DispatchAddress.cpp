#include "common/DispatchAddress.h"

#include "common/DecimalText.h"
#include "common/NameIndex.h"
#include "common/RegistryCalls.h"

namespace vx {
namespace {

bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix)
{
    return text.size() >= prefix.size() && NamesEqual(text.substr(0, prefix.size()), prefix);
}

bool IsUnreserved(unsigned char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
           c == '.' || c == '_' || c == '~';
}

std::string_view ParentKeyPath(std::string_view keyPath)
{
    size_t separator = keyPath.find_last_of('\\');
    return separator == std::string_view::npos ? std::string_view() : keyPath.substr(0, separator);
}

std::string ReadText(std::string_view keyPath, std::string_view valueName)
{
    return GetRegistryValue(RegRoot::LocalMachine, keyPath, RegValueKind::String, valueName).AsString();
}

}  // namespace

bool IsWebAddress(std::string_view text)
{
    if (!StartsWithIgnoringCase(text, "http://") && !StartsWithIgnoringCase(text, "https://"))
        return false;
    // The browser gets the address on its command line: a blank or a quote would add arguments.
    for (char c : text)
        if (c <= ' ' || c > '~' || c == '"')
            return false;
    return true;
}

std::string PercentEncoded(std::string_view value)
{
    static constexpr char hex[] = "0123456789ABCDEF";
    std::string encoded;
    for (char c : value) {
        auto byte = static_cast<unsigned char>(c);
        if (IsUnreserved(byte)) {
            encoded.push_back(c);
        } else {
            encoded.push_back('%');
            encoded.push_back(hex[byte >> 4]);
            encoded.push_back(hex[byte & 0x0F]);
        }
    }
    return encoded;
}

void AppendQueryPair(std::string& address, std::string_view name, std::string_view value)
{
    address += address.find('?') == std::string::npos ? '?' : '&';
    address += name;
    address += '=';
    address += PercentEncoded(value);
}

std::string BuildDispUrl(int32_t resellerNumber, std::string_view productKey, std::string_view productCode)
{
    std::string address = ReadText(ParentKeyPath(productKey), "disp");
    if (!IsWebAddress(address))
        address = DefaultDispatchPage;
    if (!productCode.empty())
        AppendQueryPair(address, "pc", productCode);
    AppendQueryPair(address, "rc", FormatDecimal(resellerNumber));
    for (std::string_view name : {"cd", "dcc", "drc", "mo", "sid"}) {
        std::string value = ReadText(productKey, name);
        if (!value.empty())
            AppendQueryPair(address, name, value);
    }
    return address;
}

}  // namespace vx
