#include "Curl_Wrapper.h"

#include <sys/stat.h>

#include <cstdio>

#include "orvPlatform.h"
#include "orv_utils.h"

namespace {

// The command lists handed to libcurl, freed with the handle.
class CommandList {
public:
  explicit CommandList(const std::vector<std::string>& commands) {
    for (const std::string& c : commands) list_ = curl_slist_append(list_, c.c_str());
  }
  ~CommandList() { curl_slist_free_all(list_); }
  CommandList(const CommandList&) = delete;
  CommandList& operator=(const CommandList&) = delete;
  curl_slist* get() const { return list_; }

private:
  curl_slist* list_ = nullptr;
};

FILE* openLocal(const std::string& path, const char* mode) {
  return std::fopen(orv::devicePath(path).c_str(), mode);
}

}  // namespace

Curl_Wrapper::Curl_Wrapper() : connectTimeoutSeconds_(30), stallSeconds_(60) {
  initCurl_Wrapper();
}

Curl_Wrapper::~Curl_Wrapper() { closeCurl_Wrapper(); }

int Curl_Wrapper::initCurl_Wrapper() { return curl_global_init(CURL_GLOBAL_ALL) == 0 ? 1 : 0; }

void Curl_Wrapper::closeCurl_Wrapper() { curl_global_cleanup(); }

void Curl_Wrapper::setTransferLimits(long connectTimeoutSeconds, long stallSeconds) {
  std::lock_guard<std::mutex> lock(mutex_);
  connectTimeoutSeconds_ = connectTimeoutSeconds;
  stallSeconds_ = stallSeconds;
}

std::string Curl_Wrapper::getFileNameFromPath(const std::string& path) {
  size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? std::string() : path.substr(slash + 1);
}

bool Curl_Wrapper::nameMatchesPattern(const std::string& name, const std::string& pattern) {
  if (pattern.find('*') == std::string::npos) return name.find(pattern) != std::string::npos;
  for (const std::string& piece : string_split_stringDelim(pattern, "*"))
    if (name.find(piece) == std::string::npos) return false;
  return true;
}

std::string Curl_Wrapper::removeCommand(const std::string& remotePath) {
  std::string path = remotePath;
  if (path.compare(0, 2, "~/") == 0) string_replaceChar(path, "~/", "");
  return "rm " + path;
}

size_t Curl_Wrapper::_CurlReadCallback(char* buffer, size_t size, size_t count, void* stream) {
  return std::fread(buffer, size, count, static_cast<FILE*>(stream));
}

size_t Curl_Wrapper::_CurlWriteCallback(char* data, size_t size, size_t count, void* file) {
  if (!file) return size * count;
  return std::fwrite(data, size, count, static_cast<FILE*>(file)) * size;
}

int Curl_Wrapper::_CurlProgressCallback(void* wrapper, curl_off_t downTotal, curl_off_t downNow,
                                        curl_off_t upTotal, curl_off_t upNow) {
  static_cast<Curl_Wrapper*>(wrapper)->CurlProgressCallback(static_cast<double>(downTotal),
                                                            static_cast<double>(downNow));
  return 0;
}

// libcurl hands over a name and its line feed in separate chunks: collect everything and
// split once the listing is complete.
size_t Curl_Wrapper::_CurlSftpListCallback(char* data, size_t size, size_t count, void* buffer) {
  static_cast<std::string*>(buffer)->append(data, size * count);
  return size * count;
}

// A fresh easy handle with what every transfer shares: credentials and the limits.
CURL* Curl_Wrapper::openHandle(const std::string& user, const std::string& password,
                               bool progress) {
  curl_global_init(CURL_GLOBAL_ALL);
  CURL* curl = curl_easy_init();
  if (!curl) return nullptr;
  if (!user.empty()) {
    curl_easy_setopt(curl, CURLOPT_USERPWD, user.c_str());
    if (!password.empty()) curl_easy_setopt(curl, CURLOPT_PASSWORD, password.c_str());
  }
  curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT, connectTimeoutSeconds_);
  curl_easy_setopt(curl, CURLOPT_LOW_SPEED_LIMIT, 1L);
  curl_easy_setopt(curl, CURLOPT_LOW_SPEED_TIME, stallSeconds_);
  curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);  // worker threads: no SIGALRM time-outs
  curl_easy_setopt(curl, CURLOPT_FTP_USE_EPSV, 0L);
  if (progress) {
    curl_easy_setopt(curl, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(curl, CURLOPT_XFERINFOFUNCTION, &Curl_Wrapper::_CurlProgressCallback);
    curl_easy_setopt(curl, CURLOPT_XFERINFODATA, this);
  }
  return curl;
}

bool Curl_Wrapper::perform(CURL* curl) {
  CURLcode res = curl_easy_perform(curl);
  if (res == CURLE_OK) return true;
  std::printf("curl: error: %s\n", curl_easy_strerror(res));
  std::fflush(stdout);
  return false;
}

int Curl_Wrapper::ListDir(const std::string& baseUrl, const std::string& user,
                          const std::string& password, const std::string& remoteDir,
                          std::vector<std::string>& out, const std::string& pattern) {
  std::lock_guard<std::mutex> lock(mutex_);
  if (baseUrl.empty()) return 0;
  CURL* curl = openHandle(user, password, false);
  if (!curl) return 0;
  std::string listing;
  curl_easy_setopt(curl, CURLOPT_URL, (baseUrl + "/" + remoteDir).c_str());
  curl_easy_setopt(curl, CURLOPT_DIRLISTONLY, 1L);
  curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, &Curl_Wrapper::_CurlSftpListCallback);
  curl_easy_setopt(curl, CURLOPT_WRITEDATA, &listing);
  bool ok = perform(curl);
  curl_easy_cleanup(curl);
  if (!ok) return 0;
  for (const std::string& name : strsplit(listing, '\n')) {
    if (name.empty() || name[0] == '.') continue;
    if (nameMatchesPattern(name, pattern)) out.push_back(remoteDir + name);
  }
  return 1;
}

int Curl_Wrapper::Upload(const std::string& baseUrl, const std::string& user,
                         const std::string& password, SftpUploadMap files) {
  std::lock_guard<std::mutex> lock(mutex_);
  if (baseUrl.empty()) return 0;
  CURL* curl = openHandle(user, password, true);
  if (!curl) return 0;
  curl_easy_setopt(curl, CURLOPT_UPLOAD, 1L);
  curl_easy_setopt(curl, CURLOPT_READFUNCTION, &Curl_Wrapper::_CurlReadCallback);
  int sent = 0;
  for (const auto& entry : files) {
    const std::string& local = entry.first.first;
    struct stat st;
    if (::stat(orv::devicePath(local).c_str(), &st) != 0) continue;
    std::string url = baseUrl + "/" + entry.first.second + "/" + getFileNameFromPath(local);
    FILE* in = openLocal(local, "rb");
    if (!in) continue;
    curl_easy_setopt(curl, CURLOPT_URL, url.c_str());
    curl_easy_setopt(curl, CURLOPT_READDATA, in);
    curl_easy_setopt(curl, CURLOPT_INFILESIZE_LARGE, static_cast<curl_off_t>(st.st_size));
    bool ok = perform(curl);
    std::fclose(in);
    if (!ok) continue;
    ++sent;
    if (entry.second) orvFileDelete(local.c_str());
  }
  curl_easy_cleanup(curl);
  return sent > 0 ? 1 : 0;
}

int Curl_Wrapper::Download(const std::string& baseUrl, const std::string& user,
                           const std::string& password, const std::string& remotePath,
                           const std::string& localPath, bool deleteAfter) {
  std::lock_guard<std::mutex> lock(mutex_);
  if (baseUrl.empty() || remotePath.empty() || localPath.empty()) return 0;
  CURL* curl = openHandle(user, password, true);
  if (!curl) return 0;
  orvFileDelete(localPath.c_str());
  FILE* out = openLocal(localPath, "wb+");
  if (!out) {
    curl_easy_cleanup(curl);
    return 0;
  }
  CommandList post(deleteAfter ? std::vector<std::string>{removeCommand(remotePath)}
                               : std::vector<std::string>());
  curl_easy_setopt(curl, CURLOPT_URL, (baseUrl + "/" + remotePath).c_str());
  curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, &Curl_Wrapper::_CurlWriteCallback);
  curl_easy_setopt(curl, CURLOPT_WRITEDATA, out);
  curl_easy_setopt(curl, CURLOPT_FTP_FILEMETHOD, static_cast<long>(CURLFTPMETHOD_NOCWD));
  curl_easy_setopt(curl, CURLOPT_POSTQUOTE, post.get());
  bool ok = perform(curl);
  std::fclose(out);
  curl_easy_cleanup(curl);
  return ok ? 1 : 0;
}

int Curl_Wrapper::Download(const std::string& baseUrl, const std::string& user,
                           const std::string& password, SftpDownloadMap& files) {
  std::lock_guard<std::mutex> lock(mutex_);
  if (baseUrl.empty()) return 0;
  CURL* curl = openHandle(user, password, true);
  if (!curl) return 0;
  curl_easy_setopt(curl, CURLOPT_FTP_FILEMETHOD, static_cast<long>(CURLFTPMETHOD_NOCWD));
  curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, &Curl_Wrapper::_CurlWriteCallback);
  int result = 1;
  for (auto it = files.begin(); it != files.end();) {
    const std::string& remote = it->first.first;
    bool deleteAfter = it->second.first;
    CommandList post(deleteAfter ? std::vector<std::string>{removeCommand(remote)}
                                 : std::vector<std::string>());
    std::string local = it->first.second + getFileNameFromPath(remote);
    FILE* out = openLocal(local, "wb+");
    if (!out) {
      result = 0;
      ++it;
      continue;
    }
    curl_easy_setopt(curl, CURLOPT_URL, (baseUrl + "/" + remote).c_str());
    curl_easy_setopt(curl, CURLOPT_WRITEDATA, out);
    curl_easy_setopt(curl, CURLOPT_POSTQUOTE, post.get());
    bool ok = perform(curl);
    std::fclose(out);
    if (ok) {
      ++it;
      continue;
    }
    orvFileDelete(local.c_str());
    it = files.erase(it);
    result = 0;
  }
  curl_easy_setopt(curl, CURLOPT_POSTQUOTE, nullptr);
  curl_easy_cleanup(curl);
  return result;
}

int Curl_Wrapper::QuoteCommand(const std::string& baseUrl, const std::string& remotePath,
                               const std::string& localPath, const std::string& user,
                               const std::string& password,
                               std::vector<std::string>& preCommands,
                               std::vector<std::string>& postCommands) {
  std::lock_guard<std::mutex> lock(mutex_);
  if (baseUrl.empty() || remotePath.empty() || localPath.empty()) return 0;
  CURL* curl = openHandle(user, password, true);
  if (!curl) return 0;
  FILE* out = openLocal(localPath, "wb+");
  if (!out) {
    curl_easy_cleanup(curl);
    return 0;
  }
  CommandList pre(preCommands);
  CommandList post(postCommands);
  curl_easy_setopt(curl, CURLOPT_URL, (baseUrl + remotePath).c_str());
  curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, &Curl_Wrapper::_CurlWriteCallback);
  curl_easy_setopt(curl, CURLOPT_WRITEDATA, out);
  curl_easy_setopt(curl, CURLOPT_QUOTE, pre.get());
  curl_easy_setopt(curl, CURLOPT_POSTQUOTE, post.get());
  bool ok = perform(curl);
  std::fclose(out);
  curl_easy_cleanup(curl);
  return ok ? 1 : 0;
}

bool Curl_Wrapper::DeleteFile(const std::string& baseUrl, const std::string& remotePath,
                              const std::string& user, const std::string& password) {
  std::lock_guard<std::mutex> lock(mutex_);
  if (baseUrl.empty() || remotePath.empty()) return false;
  CURL* curl = openHandle(user, password, false);
  if (!curl) return false;
  CommandList pre({removeCommand(remotePath)});
  curl_easy_setopt(curl, CURLOPT_URL, baseUrl.c_str());
  curl_easy_setopt(curl, CURLOPT_QUOTE, pre.get());
  // The base URL lists the server's root after the command: nothing to keep.
  curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, &Curl_Wrapper::_CurlWriteCallback);
  curl_easy_setopt(curl, CURLOPT_WRITEDATA, nullptr);
  bool ok = perform(curl);
  curl_easy_cleanup(curl);
  return ok;
}

bool Curl_Wrapper::TestConnection(const std::string& baseUrl, const std::string& user,
                                  const std::string& password) {
  std::lock_guard<std::mutex> lock(mutex_);
  if (baseUrl.empty()) return false;
  CURL* curl = openHandle(user, password, true);
  if (!curl) return false;
  curl_easy_setopt(curl, CURLOPT_URL, baseUrl.c_str());
  curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, &Curl_Wrapper::_CurlWriteCallback);
  curl_easy_setopt(curl, CURLOPT_WRITEDATA, nullptr);
  bool ok = perform(curl);
  curl_easy_cleanup(curl);
  return ok;
}
