#pragma once

#include <QObject>

// Status code of every service answer.
class ResponseStatus : public QObject
{
    Q_OBJECT
public:
    enum StatusCode {
        Ok = 0,
        Error = 1,
        Unauthentificated = 2,
        NoRights = 3,
        AlreadyExists = 4,
        NotFound = 5,
        InvalidArgument = 6,
        WrongContext = 7,
    };
    Q_ENUM(StatusCode)

    using QObject::QObject;
};
