#include "firmware/FirmwareImage.h"

#include "app/DiagnosticLog.h"
#include "device/HexText.h"
#include "firmware/An3155.h"

std::vector<QByteArray> SplitImage(const QByteArray& image, DiagnosticLog& log) {
    const int size = int(image.size());
    const int wholeChunks = size / An3155::ChunkSize;
    const int lastChunkBytes = size % An3155::ChunkSize;
    log.ConsoleLog(QStringLiteral("num of chunks: %1").arg(wholeChunks));
    log.ConsoleLog(QStringLiteral("num of bytes last chunk: %1").arg(lastChunkBytes));
    const int chunkCount = wholeChunks + (lastChunkBytes > 0 ? 1 : 0);
    std::vector<QByteArray> chunks;
    chunks.reserve(size_t(chunkCount));
    for (int i = 0; i < chunkCount; ++i) {
        const QByteArray chunk = image.mid(i * An3155::ChunkSize, An3155::ChunkSize);
        if (i == chunkCount - 1) {
            log.ConsoleLog(QStringLiteral("num of bytes last chunk: %1").arg(lastChunkBytes));
        }
        log.appendDirect(QStringLiteral("chunk from string %1: ").arg(i));
        log.appendDirect(BytesToHexText(reinterpret_cast<const std::uint8_t*>(chunk.constData()),
                                        int(chunk.size())));
        log.ConsoleLog(QStringLiteral("chunk %1 size: %2").arg(i).arg(chunk.size()));
        log.appendDirect(QString());
        log.appendDirect(QString());
        chunks.push_back(chunk);
    }
    return chunks;
}
