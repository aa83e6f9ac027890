#pragma once

#include <stdexcept>
#include <string>

// A failure of a database administration step, with one line for the user.
class AdminError : public std::runtime_error
{
public:
    explicit AdminError(const std::string &message) : std::runtime_error(message) {}
};

// A failure of the command line itself.
class UsageError : public AdminError
{
public:
    using AdminError::AdminError;
};
