#include "maintenance/updates.h"

#include "common/text.h"

namespace verdika::updates {

std::string releaseStampUrl(std::string_view serviceHost) {
    return std::string(serviceHost) + "/download/verdika.txt";
}

std::string downloadPageUrl(std::string_view serviceHost) { return std::string(serviceHost) + "/stazeni.php"; }

std::string releaseArchiveUrl(std::string_view serviceHost) {
    return std::string(serviceHost) + "/download/verdika.zip";
}

std::string newsUrl(std::string_view serviceHost) {
    return std::string(serviceHost) + "/download/" + std::string(kNewsFile);
}

std::string lawDownloadUrl(std::string_view portalHost, std::string_view act) {
    return std::string(portalHost) + "/wps/WPS_PA_2001/jsp/download.jsp?s=1&l=" + Nahrad_Vse(act, "/", "%2F");
}

}  // namespace verdika::updates
