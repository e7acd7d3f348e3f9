#pragma once
// What the publisher last found of the broker. Each change comes with one text for the user;
// attempts that fail the same way again are not reported again.

enum class TBrokerState {
    Connected,   // readings are going out
    Lost,        // the connection broke; readings wait and attempts go on
    Unreachable, // no connection could be made; readings wait and attempts go on
    Refused,     // the broker turned the user name and password (or the client) down
    TlsFailed,   // the broker's certificate or the TLS setup did not do
};
