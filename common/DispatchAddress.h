#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace vx {

// The product's code on the vendor's server.
inline constexpr std::string_view ProductCode = "41609";
// Where the vendor's web pages are reached when no other dispatch page is set.
inline constexpr std::string_view DefaultDispatchPage = "http://www.quorvex.example/php/disp0201.php";

// Only web addresses may serve as the base: the shell would start a program that
// any other text named. An address holding blanks, quotes, control or non-ASCII
// characters is refused too, as it could smuggle arguments to the browser.
bool IsWebAddress(std::string_view text);

// The value with every byte but the unreserved ones (letters, digits, "-._~")
// written as %XX, so no value can split or end the query.
std::string PercentEncoded(std::string_view value);

// Appends "name=value" to the address's query, starting the query when it has none.
void AppendQueryPair(std::string& address, std::string_view name, std::string_view value);

// The dispatch page's address with the product code (when not empty), the reseller
// number and the distribution values stored under productKey. The base is the
// "disp" under the maker's key, the one above productKey.
std::string BuildDispUrl(int32_t resellerNumber, std::string_view productKey, std::string_view productCode);

}  // namespace vx
