// Addresses of the supervision service that the configuration falls back to: the default
// of CONFIG_STFP_IP (key 111) and the VPN sites that files of version 9 name by number.
// The host build points all of them at the loopback, so that nothing it runs can reach
// another machine.
#pragma once

struct _VPN_Entry {
  int index;
  const char* label;
  const char* address;
};

#ifdef ORV_DEVICE_BUILD
constexpr const char* ORV_DEFAULT_SFTP_SERVER = "10.8.0.1";
constexpr _VPN_Entry ORV_VPN_SITES[3] = {
    {0, "Aucun/None", "0.0.0.0"},
    {1, "Site client 1", "10.8.1.1"},
    {2, "Site client 2", "10.8.2.1"},
};
#else
constexpr const char* ORV_DEFAULT_SFTP_SERVER = "127.0.0.1";
constexpr _VPN_Entry ORV_VPN_SITES[3] = {
    {0, "Aucun/None", "0.0.0.0"},
    {1, "Site client 1", "127.0.0.11"},
    {2, "Site client 2", "127.0.0.12"},
};
#endif

// Supervision servers tried at start-up, in this order, when the configured one does not
// answer on its SFTP port. The board's values are the maker's public addresses (to be
// filled in by the maker; documentation addresses stand there, which never answer).
#ifdef ORV_DEVICE_BUILD
constexpr const char* ORV_FALLBACK_SFTP_SERVERS[2] = {"203.0.113.10", "203.0.113.11"};
#else
constexpr const char* ORV_FALLBACK_SFTP_SERVERS[2] = {"127.0.0.21", "127.0.0.22"};
#endif
