#include "wire_helpers.h"

#include <stdexcept>

namespace ostrel::server::testing {

online::TTarvoUser SampleUser(const std::string& nick, const std::string& pw) {
  online::TTarvoUser u;
  u.Nick = nick;
  u.Pw = pw;
  u.City = "Казань";
  u.Country1 = "Russia";
  u.Country2 = "1-001";
  u.Sex = 'M';
  u.EMail = "x@y.org";
  u.DateR = "03.04.2024";
  u.R01 = u.R02 = u.R03 = "xxx";
  return u;
}

std::string SendRequest(std::uint16_t port, const online::Request& request) {
  auto body = online::BuildBody(request);
  if (!body) throw std::runtime_error("the codec refused the request: " + body.error());
  auto path = std::string(online::ServicePath(online::InfoOf(request).group));
  return Post(port, path, *body).body;
}

std::string JpegOfSize(int width, int height) {
  std::string j("\xFF\xD8\xFF\xE0\x00\x10JFIF\x00\x01\x01\x00\x00\x01\x00\x01\x00\x00", 20);
  j += std::string("\xFF\xC0\x00\x11\x08", 5);
  j += static_cast<char>(height >> 8);
  j += static_cast<char>(height & 0xFF);
  j += static_cast<char>(width >> 8);
  j += static_cast<char>(width & 0xFF);
  j += std::string("\x03\x01\x22\x00\x02\x11\x01\x03\x11\x01", 10);
  j += std::string(300, '\x55');
  j += "\xFF\xD9";
  return j;
}

HttpReply UploadPhoto(std::uint16_t port, const std::string& nick, const std::string& pw,
                      const std::string& jpeg) {
  const std::string b = "OstrelFormBoundary7";
  auto part = [&](const std::string& name, const std::string& extra, const std::string& value) {
    return "--" + b + "\r\nContent-Disposition: form-data; name=\"" + name + "\"" + extra +
           "\r\n\r\n" + value + "\r\n";
  };
  std::string body = part("nick", "", nick) + part("pw", "", pw) +
                     part("photo", "; filename=\"me.jpg\"\r\nContent-Type: image/jpeg", jpeg) +
                     "--" + b + "--\r\n";
  return HttpCall(port, "POST", "/photos/", body, "multipart/form-data; boundary=" + b);
}

}  // namespace ostrel::server::testing
