void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

#void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

ivoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

nvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

cvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

lvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

uvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

dvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

evoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

 void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

"void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

fvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

ivoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

lvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

evoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

tvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

evoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

svoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

tvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

ivoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

nvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

gvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

.void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

hvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

"void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}


void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}


void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

#void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

ivoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

nvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

cvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

lvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

uvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

dvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

evoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

 void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

<void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

Qvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

Dvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

ivoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

rvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

>void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}


void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

#void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

ivoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

nvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

cvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

lvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

uvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

dvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

evoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

 void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

<void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

Qvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

Fvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

ivoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

lvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

evoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

>void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}


void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

#void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

ivoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

nvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

cvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

lvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

uvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

dvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

evoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

 void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

<void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

Qvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

Tvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

evoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

svoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

tvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

>void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}


void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}


void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

#void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

ivoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

fvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

dvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

evoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

fvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

 void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

Qvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

_void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

Ovoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

Svoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

_void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

Uvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

Nvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

Ivoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

Xvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}


void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

#void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

ivoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

nvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

cvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

lvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

uvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

dvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

evoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

 void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

<void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

cvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

svoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

ivoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

gvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

nvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

avoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

lvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

>void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}


void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

#void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

evoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

nvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

dvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

ivoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

fvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}


void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}


void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

Qvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

Bvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

yvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

tvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

evoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

Avoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

rvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

rvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

avoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

yvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

 void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

cvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

ovoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

nvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

tvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

evoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

nvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

tvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

(void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

cvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

ovoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

nvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

svoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

tvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

 void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

Qvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

Svoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

tvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

rvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

ivoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

nvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

gvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

 void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

&void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

pvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

avoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

tvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

hvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

)void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}


void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

{void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}


void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

 void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

 void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

 void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

 void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

Qvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

Fvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

ivoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

lvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

evoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

 void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

fvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

ivoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

lvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

evoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

(void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

pvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

avoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

tvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

hvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

)void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

;void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}


void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

 void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

 void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

 void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

 void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

rvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

evoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

tvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

uvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

rvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

nvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

 void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

fvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

ivoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

lvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

evoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

.void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

ovoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

pvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

evoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

nvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

(void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

Qvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

Ivoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

Ovoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

Dvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

evoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

vvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

ivoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

cvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

evoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

:void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

:void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

Rvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

evoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

avoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

dvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

Ovoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

nvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

lvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

yvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

)void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

 void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

?void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

 void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

fvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

ivoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

lvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

evoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

.void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

rvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

evoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

avoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

dvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

Avoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

lvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

lvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

(void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

)void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

 void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

:void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

 void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

Qvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

Bvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

yvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

tvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

evoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

Avoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

rvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

rvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

avoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

yvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

(void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

"void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

<void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

uvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

nvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

rvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

evoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

avoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

dvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

avoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

bvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

lvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

evoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

>void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

"void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

)void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

;void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}


void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

}void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}


void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}


void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

vvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

ovoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

ivoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

dvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

 void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

pvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

uvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

tvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

Fvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

ivoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

lvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

evoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

(void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

cvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

ovoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

nvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

svoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

tvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

 void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

Qvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

Svoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

tvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

rvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

ivoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

nvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

gvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

 void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

&void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

pvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

avoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

tvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

hvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

,void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

 void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

cvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

ovoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

nvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

svoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

tvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

 void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

Qvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

Bvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

yvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

tvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

evoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

Avoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

rvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

rvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

avoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

yvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

 void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

&void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

bvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

yvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

tvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

evoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

svoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

)void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}


void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

{void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}


void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

 void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

 void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

 void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

 void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

Qvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

Fvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

ivoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

lvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

evoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

 void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

fvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

ivoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

lvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

evoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

(void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

pvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

avoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

tvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

hvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

)void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

;void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}


void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

 void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

 void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

 void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

 void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

Qvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

Vvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

Evoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

Rvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

Ivoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

Fvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

Yvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

(void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

fvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

ivoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

lvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

evoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

.void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

ovoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

pvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

evoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

nvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

(void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

Qvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

Ivoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

Ovoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

Dvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

evoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

vvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

ivoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

cvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

evoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

:void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

:void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

Wvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

rvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

ivoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

tvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

evoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

Ovoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

nvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

lvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

yvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

)void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

)void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

;void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}


void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

 void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

 void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

 void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

 void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

Qvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

Cvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

Ovoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

Mvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

Pvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

Avoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

Rvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

Evoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

(void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

fvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

ivoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

lvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

evoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

.void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

wvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

rvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

ivoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

tvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

evoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

(void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

bvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

yvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

tvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

evoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

svoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

)void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

,void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

 void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

bvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

yvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

tvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

evoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

svoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

.void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

svoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

ivoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

zvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

evoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

(void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

)void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

)void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

;void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}


void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

}void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}


void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}


void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

Qvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

Svoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

tvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

rvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

ivoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

nvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

gvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

Lvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

ivoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

svoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

tvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

 void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

lvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

ivoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

svoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

tvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

(void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

cvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

ovoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

nvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

svoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

tvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

 void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

Svoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

tvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

ovoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

rvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

avoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

gvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

evoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

:void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

:void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

Cvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

evoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

lvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

lvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

svoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

 void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

&void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

cvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

evoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

lvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

lvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

svoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

)void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}


void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

{void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}


void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

 void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

 void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

 void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

 void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

rvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

evoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

tvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

uvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

rvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

nvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

 void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

Qvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

Svoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

tvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

rvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

ivoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

nvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

gvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

Lvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

ivoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

svoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

tvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

(void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

cvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

evoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

lvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

lvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

svoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

.void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

bvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

evoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

gvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

ivoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

nvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

(void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

)void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

,void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

 void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

cvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

evoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

lvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

lvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

svoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

.void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

evoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

nvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

dvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

(void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

)void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

)void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

;void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}


void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

}void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}


void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}


void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

vvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

ovoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

ivoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

dvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

 void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

vvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

evoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

rvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

ivoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

fvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

yvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

Fvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

avoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

ivoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

lvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

uvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

rvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

evoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

(void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

cvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

ovoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

nvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

svoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

tvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

 void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

Svoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

tvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

ovoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

rvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

avoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

gvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

evoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

:void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

:void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

Wvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

rvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

ivoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

tvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

evoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

Rvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

evoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

svoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

uvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

lvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

tvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

 void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

&void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

rvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

evoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

svoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

uvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

lvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

tvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

,void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

 void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

cvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

ovoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

nvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

svoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

tvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

 void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

Qvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

Svoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

tvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

rvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

ivoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

nvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

gvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

 void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

&void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

pvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

avoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

tvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

hvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

)void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}


void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

{void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}


void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

 void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

 void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

 void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

 void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

Qvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

Vvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

Evoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

Rvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

Ivoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

Fvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

Yvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

(void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

!void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

rvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

evoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

svoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

uvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

lvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

tvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

.void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

ovoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

kvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

(void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

)void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

)void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

;void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}


void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

 void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

 void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

 void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

 void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

cvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

ovoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

nvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

svoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

tvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

 void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

Qvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

Svoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

tvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

rvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

ivoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

nvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

gvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

 void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

pvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

rvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

evoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

fvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

ivoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

xvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

 void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

=void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

 void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

Qvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

Dvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

ivoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

rvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

:void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

:void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

tvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

ovoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

Nvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

avoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

tvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

ivoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

vvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

evoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

Svoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

evoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

pvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

avoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

rvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

avoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

tvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

ovoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

rvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

svoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

(void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

pvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

avoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

tvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

hvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

)void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

 void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

+void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

 void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

"void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

:void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

 void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

"void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

;void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}


void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

 void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

 void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

 void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

 void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

cvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

ovoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

nvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

svoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

tvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

 void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

qvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

svoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

ivoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

zvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

evoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

tvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

yvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

pvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

evoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

 void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

avoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

tvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

 void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

=void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

 void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

rvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

evoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

svoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

uvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

lvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

tvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

.void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

evoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

rvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

rvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

ovoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

rvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

.void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

ivoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

nvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

dvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

evoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

xvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

Ovoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

fvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

(void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

pvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

rvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

evoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

fvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

ivoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

xvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

)void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

;void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}


void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

 void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

 void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

 void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

 void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

Qvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

Vvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

Evoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

Rvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

Ivoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

Fvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

Yvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

2void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

(void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

avoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

tvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

 void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

>void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

=void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

 void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

0void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

,void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

 void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

qvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

Pvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

rvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

ivoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

nvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

tvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

avoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

bvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

lvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

evoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

(void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

rvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

evoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

svoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

uvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

lvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

tvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

.void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

evoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

rvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

rvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

ovoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

rvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

)void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

)void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

;void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}


void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

 void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

 void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

 void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

 void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

Qvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

Vvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

Evoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

Rvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

Ivoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

Fvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

Yvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

2void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

(void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

rvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

evoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

svoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

uvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

lvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

tvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

.void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

evoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

rvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

rvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

ovoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

rvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

.void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

svoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

ivoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

zvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

evoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

(void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

)void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

 void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

>void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

 void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

avoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

tvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

 void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

+void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

 void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

pvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

rvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

evoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

fvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

ivoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

xvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

.void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

svoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

ivoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

zvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

evoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

(void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

)void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

,void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

 void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

qvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

Pvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

rvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

ivoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

nvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

tvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

avoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

bvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

lvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

evoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

(void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

rvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

evoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

svoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

uvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

lvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

tvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

.void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

evoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

rvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

rvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

ovoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

rvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

)void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

)void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

;void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}


void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

}void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}


void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}


void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

#void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

ivoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

fvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

dvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

evoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

fvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

 void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

Qvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

_void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

Ovoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

Svoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

_void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

Uvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

Nvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

Ivoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

Xvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}


void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

Fvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

ivoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

lvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

evoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

Svoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

ivoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

zvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

evoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

Lvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

ivoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

mvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

ivoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

tvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

:void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

:void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

Fvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

ivoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

lvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

evoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

Svoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

ivoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

zvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

evoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

Lvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

ivoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

mvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

ivoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

tvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

(void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

qvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

ivoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

nvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

tvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

6void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

4void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

 void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

bvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

yvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

tvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

evoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

svoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

)void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}


void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

{void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}


void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

 void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

 void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

 void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

 void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

ivoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

fvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

 void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

(void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

gvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

evoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

tvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

rvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

lvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

ivoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

mvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

ivoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

tvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

(void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

Rvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

Lvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

Ivoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

Mvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

Ivoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

Tvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

_void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

Fvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

Svoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

Ivoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

Zvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

Evoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

,void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

 void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

&void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

mvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

_void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

svoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

avoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

vvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

evoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

dvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

)void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

 void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

!void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

=void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

 void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

0void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

)void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}


void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

 void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

 void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

 void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

 void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

 void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

 void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

 void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

 void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

rvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

evoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

tvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

uvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

rvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

nvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

;void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}


void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

 void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

 void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

 void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

 void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

mvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

_void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

svoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

avoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

vvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

evoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

dvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

Hvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

avoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

nvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

dvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

lvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

evoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

rvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

 void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

=void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

 void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

svoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

tvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

dvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

:void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

:void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

svoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

ivoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

gvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

nvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

avoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

lvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

(void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

Svoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

Ivoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

Gvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

Xvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

Fvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

Svoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

Zvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

,void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

 void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

Svoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

Ivoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

Gvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

_void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

Ivoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

Gvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

Nvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

)void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

;void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}


void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

 void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

 void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

 void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

 void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

mvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

_void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

rvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

evoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

svoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

tvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

ovoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

rvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

evoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

 void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

=void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

 void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

tvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

rvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

uvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

evoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

;void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}


void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

 void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

 void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

 void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

 void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

rvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

lvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

ivoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

mvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

ivoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

tvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

 void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

svoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

mvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

avoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

lvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

lvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

 void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

=void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

 void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

mvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

_void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

svoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

avoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

vvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

evoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

dvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

;void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}


void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

 void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

 void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

 void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

 void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

svoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

mvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

avoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

lvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

lvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

.void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

rvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

lvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

ivoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

mvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

_void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

cvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

uvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

rvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

 void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

=void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

 void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

rvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

lvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

ivoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

mvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

_void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

tvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

(void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

bvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

yvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

tvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

evoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

svoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

)void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

;void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}


void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

 void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

 void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

 void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

 void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

mvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

_void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

svoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

evoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

tvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

 void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

=void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

 void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

svoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

evoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

tvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

rvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

lvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

ivoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

mvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

ivoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

tvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

(void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

Rvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

Lvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

Ivoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

Mvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

Ivoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

Tvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

_void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

Fvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

Svoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

Ivoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

Zvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

Evoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

,void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

 void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

&void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

svoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

mvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

avoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

lvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

lvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

)void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

 void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

=void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

=void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

 void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

0void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

;void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}


void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

}void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}


void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}


void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

Fvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

ivoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

lvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

evoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

Svoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

ivoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

zvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

evoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

Lvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

ivoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

mvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

ivoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

tvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

:void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

:void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

~void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

Fvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

ivoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

lvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

evoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

Svoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

ivoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

zvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

evoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

Lvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

ivoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

mvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

ivoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

tvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

(void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

)void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}


void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

{void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}


void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

 void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

 void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

 void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

 void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

ivoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

fvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

 void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

(void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

!void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

mvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

_void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

rvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

evoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

svoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

tvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

ovoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

rvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

evoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

)void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}


void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

 void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

 void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

 void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

 void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

 void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

 void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

 void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

 void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

rvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

evoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

tvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

uvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

rvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

nvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

;void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}


void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

 void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

 void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

 void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

 void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

svoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

evoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

tvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

rvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

lvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

ivoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

mvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

ivoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

tvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

(void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

Rvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

Lvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

Ivoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

Mvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

Ivoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

Tvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

_void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

Fvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

Svoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

Ivoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

Zvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

Evoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

,void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

 void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

&void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

mvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

_void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

svoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

avoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

vvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

evoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

dvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

)void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

;void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}


void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

 void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

 void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

 void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

 void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

svoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

tvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

dvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

:void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

:void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

svoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

ivoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

gvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

nvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

avoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

lvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

(void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

Svoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

Ivoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

Gvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

Xvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

Fvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

Svoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

Zvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

,void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

 void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

mvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

_void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

svoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

avoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

vvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

evoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

dvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

Hvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

avoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

nvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

dvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

lvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

evoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

rvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

)void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

;void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}


void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

}void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}


void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

#void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

evoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

nvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

dvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

ivoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

fvoid verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}


void verifyFailure(const Storage::WriteResult &result, const QString &path)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.path, path);
    QVERIFY2(!result.reason.isEmpty(), qPrintable(result.message()));
    QVERIFY2(result.message().endsWith(QDir::toNativeSeparators(path) + ": " + result.reason),
             qPrintable(result.message()));
}

