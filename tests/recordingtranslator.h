#ifndef RECORDINGTRANSLATOR_H
#define RECORDINGTRANSLATOR_H

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QTranslator>

// Translates nothing and remembers every (context, source text) it is asked
// for: the exact strings that go through the translation lookup.
class RecordingTranslator : public QTranslator
{
public:
    bool isEmpty() const override { return false; }

    QString translate(const char *context, const char *sourceText, const char *,
                      int) const override
    {
        requests.append({QByteArray(context), QByteArray(sourceText)});
        return QString();
    }

    QList<QByteArray> sourcesFor(const QByteArray &context) const
    {
        QList<QByteArray> out;
        for (const auto &r : requests)
            if (r.first == context)
                out << r.second;
        return out;
    }

    mutable QList<QPair<QByteArray, QByteArray>> requests;
};

#endif // RECORDINGTRANSLATOR_H
