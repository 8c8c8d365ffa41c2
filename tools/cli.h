// SPDX-License-Identifier: GPL-3.0-or-later
// Command-line reading shared by wheelgen and wheelcheck: QCommandLineParser without a QCoreApplication
// (which would switch the C locale, and with it the decimal point of the printed figures), and numeric
// option values checked in full, so that "--seconds 6O" is an error instead of 6 seconds.

#pragma once

#include <QCommandLineParser>
#include <QStringList>
#include <cstdio>
#include <limits>
#include <string>
#include <type_traits>
#include <vector>

namespace cli {

inline QStringList arguments(int argc, char **argv)
{
    QStringList args;
    for (int i = 0; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    return args;
}

inline void printHelp(const QCommandLineParser &parser, const char *program, const char *footer)
{
    QString text = parser.helpText();
    text.replace(QStringLiteral("<executable_name>"), QString::fromLatin1(program));
    std::printf("%s%s", text.toLocal8Bit().constData(), footer);
}

// Reads numeric option values; the first bad one is kept as the error to report.
class Numbers {
public:
    explicit Numbers(const QCommandLineParser &parser)
        : parser_(parser)
    {
    }

    bool ok() const { return error_.empty(); }
    const std::string &error() const { return error_; }

    // A whole number in [min, max]; the target keeps its default when the option is absent.
    template <typename T>
    void integer(const char *name, T &target, T min = 0, T max = std::numeric_limits<T>::max())
    {
        if (!parser_.isSet(QLatin1String(name)))
            return;
        const QString text = parser_.value(QLatin1String(name));
        bool ok = false;
        if constexpr (std::is_unsigned_v<T>) {
            const qulonglong v = text.toULongLong(&ok);
            ok = ok && v >= min && v <= max;
            if (ok)
                target = static_cast<T>(v);
        } else {
            const qlonglong v = text.toLongLong(&ok);
            ok = ok && v >= min && v <= max;
            if (ok)
                target = static_cast<T>(v);
        }
        if (!ok)
            fail(name, text, "a whole number", min, max);
    }

    // A number (decimal point, optional exponent) of at least min.
    void real(const char *name, double &target, double min = 0)
    {
        if (!parser_.isSet(QLatin1String(name)))
            return;
        const QString text = parser_.value(QLatin1String(name));
        bool ok = false;
        const double v = text.toDouble(&ok);
        if (!ok || !(v >= min))
            fail(name, text, "a number", min, std::numeric_limits<double>::max());
        else
            target = v;
    }

    // A comma-separated list of whole numbers of at least min.
    void integerList(const char *name, std::vector<int> &target, int min)
    {
        if (!parser_.isSet(QLatin1String(name)))
            return;
        const QString text = parser_.value(QLatin1String(name));
        std::vector<int> list;
        for (const QString &item : text.split(QLatin1Char(','))) {
            bool ok = false;
            const int v = item.toInt(&ok);
            if (!ok || v < min) {
                if (error_.empty())
                    error_ = std::string("--") + name + " " + text.toStdString()
                        + ": expected whole numbers of at least " + std::to_string(min)
                        + " separated by commas";
                return;
            }
            list.push_back(v);
        }
        target = list;
    }

private:
    template <typename T> void fail(const char *name, const QString &text, const char *what, T min, T max)
    {
        if (!error_.empty())
            return;
        error_ = std::string("--") + name + " " + text.toStdString() + ": expected " + what;
        if (max == std::numeric_limits<T>::max())
            error_ += " of at least " + number(min);
        else
            error_ += " from " + number(min) + " to " + number(max);
    }

    template <typename T> static std::string number(T v)
    {
        if constexpr (std::is_floating_point_v<T>) {
            char buf[32];
            std::snprintf(buf, sizeof buf, "%g", v);
            return buf;
        } else {
            return std::to_string(v);
        }
    }

    const QCommandLineParser &parser_;
    std::string error_;
};

} // namespace cli
