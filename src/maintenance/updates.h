#pragma once
// Addresses of the maker's service (release stamp, release archive, news)
// and the law texts the law update downloads from the public law portal.
#include <array>
#include <string>
#include <string_view>

#include "app/startup.h"

namespace verdika::updates {

using verdika::kNewsFile;

std::string releaseStampUrl(std::string_view serviceHost);    // host + "/download/verdika.txt"
std::string downloadPageUrl(std::string_view serviceHost);    // host + "/stazeni.php"
std::string releaseArchiveUrl(std::string_view serviceHost);  // host + "/download/verdika.zip"
std::string newsUrl(std::string_view serviceHost);            // host + "/download/verdika_novinky.txt"

struct LawDownload {
    std::string_view file;  // in the data directory
    std::string_view act;   // number/year
};

// In the order they are downloaded. The labour code feeds two files (travel
// costs and the code itself), the notarial tariff too.
inline constexpr std::array<LawDownload, 8> kLawDownloads = {{
    {"cestovne.vrd", "262/2006"},
    {"zakonik_prace.vrd", "262/2006"},
    {"notar_tarif.vrd", "196/2001"},
    {"o_soudech.vrd", "6/2002"},
    {"soudni_p.vrd", "549/1991"},
    {"urok_z_prodleni.vrd", "142/1994"},
    {"notar.vrd", "196/2001"},
    {"exekutor.vrd", "330/2001"},
}};

// host + "/wps/WPS_PA_2001/jsp/download.jsp?s=1&l=NUMBER%2FYEAR"
std::string lawDownloadUrl(std::string_view portalHost, std::string_view act);

}  // namespace verdika::updates
