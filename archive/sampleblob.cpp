#include "archive/sampleblob.h"

#include <QCryptographicHash>
#include <QtEndian>
#include <cstring>

QByteArray samplesToBlob(const QList<float> &forces)
{
    QByteArray blob(forces.size() * int(sizeof(quint32)), Qt::Uninitialized);
    char *out = blob.data();
    for (float force : forces) {
        quint32 bits = 0;
        std::memcpy(&bits, &force, sizeof bits);
        qToLittleEndian(bits, out);
        out += sizeof bits;
    }
    return blob;
}

bool samplesFromBlob(const QByteArray &blob, QList<float> &forces)
{
    forces.clear();
    if (blob.size() % int(sizeof(quint32)) != 0)
        return false;
    const int count = blob.size() / int(sizeof(quint32));
    forces.reserve(count);
    const char *in = blob.constData();
    for (int i = 0; i < count; ++i, in += sizeof(quint32)) {
        const quint32 bits = qFromLittleEndian<quint32>(in);
        float force = 0.0f;
        std::memcpy(&force, &bits, sizeof force);
        forces.append(force);
    }
    return true;
}

QByteArray samplesHash(const QByteArray &blob)
{
    return QCryptographicHash::hash(blob, QCryptographicHash::Sha256);
}
