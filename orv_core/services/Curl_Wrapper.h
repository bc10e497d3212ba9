// The device's SFTP client for the supervision server: a thin layer over libcurl's easy
// interface, one lock held for the whole of every transfer. It knows nothing of the
// server's tree or account: every call carries the base URL ("sftp://" + address), the
// account name and the password. A remote path beginning "~/" is relative to the
// account's login directory.
//
// Local paths are device paths ("/home/ORV/journal.log"), resolved through the platform
// seam. Every transfer has a connect time-out and a low-speed limit, so a server that
// accepts the connection and never speaks cannot hold the caller.
#pragma once

#include <curl/curl.h>

#include <map>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

// (local file path, remote directory) -> delete the local file after a successful upload.
typedef std::map<std::pair<std::string, std::string>, bool> SftpUploadMap;
// (remote file path, local directory ending "/") -> (delete the remote file after a
// successful download, caller's tag).
typedef std::map<std::pair<std::string, std::string>, std::pair<bool, int>> SftpDownloadMap;

class Curl_Wrapper {
public:
  Curl_Wrapper();
  virtual ~Curl_Wrapper();

  // 1 when libcurl's global initialisation succeeded.
  int initCurl_Wrapper();
  void closeCurl_Wrapper();

  // Connection phase (TCP and SSH handshake) limit, and the time a transfer may stay
  // below 1 byte/s before it is abandoned. Defaults: 30 s and 60 s.
  void setTransferLimits(long connectTimeoutSeconds, long stallSeconds);

  // Appends remoteDir + name for every listed name that matches `pattern` (see
  // nameMatchesPattern); 1 when the listing succeeded, also for an empty directory.
  int ListDir(const std::string& baseUrl, const std::string& user, const std::string& password,
              const std::string& remoteDir, std::vector<std::string>& out,
              const std::string& pattern);
  // Uploads each existing file to base/remoteDir/<file name>, in map order; 1 when at
  // least one file went up. A local file is deleted only after its own successful upload.
  int Upload(const std::string& baseUrl, const std::string& user, const std::string& password,
             SftpUploadMap files);
  // One file to localPath (replaced); the remote file is removed after a successful
  // transfer when deleteAfter is set.
  int Download(const std::string& baseUrl, const std::string& user, const std::string& password,
               const std::string& remotePath, const std::string& localPath, bool deleteAfter);
  // Every entry into its local directory under its file name. 1 when all arrived (also for
  // an empty map); a failed entry loses its local file and is removed from `files`.
  int Download(const std::string& baseUrl, const std::string& user, const std::string& password,
               SftpDownloadMap& files);
  // A transfer of base + remotePath (remotePath begins "/") into localPath with SFTP quote
  // commands run before and after it.
  int QuoteCommand(const std::string& baseUrl, const std::string& remotePath,
                   const std::string& localPath, const std::string& user,
                   const std::string& password, std::vector<std::string>& preCommands,
                   std::vector<std::string>& postCommands);
  bool DeleteFile(const std::string& baseUrl, const std::string& remotePath,
                  const std::string& user, const std::string& password);
  bool TestConnection(const std::string& baseUrl, const std::string& user,
                      const std::string& password);

  // The text after the last "/", empty when there is no "/".
  static std::string getFileNameFromPath(const std::string& path);
  // Listing filter: an empty pattern keeps every name; a pattern without "*" keeps names
  // that contain it; otherwise each non-empty piece between stars must occur in the name,
  // in any order.
  static bool nameMatchesPattern(const std::string& name, const std::string& pattern);
  // SFTP "rm" command for a remote path: "~/" is dropped, since quote commands take paths
  // relative to the login directory.
  static std::string removeCommand(const std::string& remotePath);

  void CurlProgressCallback(double total, double now) {}

private:
  static size_t _CurlReadCallback(char* buffer, size_t size, size_t count, void* stream);
  static size_t _CurlWriteCallback(char* data, size_t size, size_t count, void* file);
  static int _CurlProgressCallback(void* wrapper, curl_off_t downTotal, curl_off_t downNow,
                                   curl_off_t upTotal, curl_off_t upNow);
  static size_t _CurlSftpListCallback(char* data, size_t size, size_t count, void* buffer);

  CURL* openHandle(const std::string& user, const std::string& password, bool progress);
  bool perform(CURL* curl);

  std::mutex mutex_;
  long connectTimeoutSeconds_;
  long stallSeconds_;
};
