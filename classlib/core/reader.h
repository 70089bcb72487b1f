#pragma once

#include "classlib/core/classregistry.h"
#include "classlib/core/filer.h"
#include "classlib/core/streamformat.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <memory>
#include <vector>

namespace classlib {

class TClassInfo;
class TCollection;
class TComponent;
class TMethodInfo;
class TPersistent;
class TPropInfo;
class TStream;

// Reads the binary component stream through a buffer. Lengths and counts
// from the stream are checked against what remains before anything is
// allocated, nesting deeper than Limits fails with "Stream nesting is too
// deep", and a failed read leaves no half-built component and no pending
// reference behind.
//
// Errors that leave the stream readable (an unknown property, a value of
// the wrong kind, an unknown class) go to OnError and are skipped when it
// marks them handled; a malformed or short stream always fails with
// EReadError.
class TReader : public TFiler {
public:
    explicit TReader(TStream& Stream, int BufSize = 8192);
    // Gives back what was buffered but not read (see FlushBuffer).
    ~TReader() noexcept(false) override;
    TReader(const TReader&) = delete;
    TReader& operator=(const TReader&) = delete;

    // Positions the stream right behind the last byte read and empties the
    // buffer.
    void FlushBuffer();
    // Bytes left in the buffer and the stream together.
    qint64 Remaining() const;

    // Exactly Count raw bytes: EReadError "Stream read error" when fewer
    // remain.
    void Read(void* Buf, qint64 Count);

    TValueType ReadValue();
    TValueType NextValue();
    bool EndOfList();

    // EReadError "Invalid property value" when the next value is not of the
    // kind asked for.
    int ReadInteger();  // any width into 32 bits
    qint64 ReadInt64();
    QString ReadString();  // 06 or 12 form
    QString ReadIdent();   // also False, True and nil
    bool ReadBoolean();
    long double ReadFloat();  // also integers
    QChar ReadChar();         // a one-character string
    void ReadListBegin();
    void ReadListEnd();
    // The short string of a record (class or component name).
    QString ReadStr();

    // EReadError "Invalid stream format" unless the next 4 bytes are "TPF0".
    void ReadSignature();
    // The record's prefix when there is one; Flags 0 otherwise.
    void ReadPrefix(int& Flags, int& ChildPos);
    void SkipValue();

    // Reads a whole stream into Root, which keeps its own class.
    void ReadRootComponent(TComponent* Root);
    // Reads one component record: into Component, or into a new component
    // of the stored class when Component is null (inside a root read).
    // Outside a root read Component is the root of what is read.
    TComponent* ReadComponent(TComponent* Component);
    // The properties and children of Instance (TComponent::ReadState).
    void ReadData(TComponent* Instance);
    // The items of a collection value whose type byte has been read.
    void ReadCollection(TCollection& Collection);
    // Records, each behind its own "TPF0", up to an end-of-list marker: each
    // is created with owner AOwner (in which references are resolved)
    // under AParent, and handed to Proc once read with its children. Then
    // references are resolved and the components read, not AOwner, are
    // told that loading is complete.
    void ReadComponents(TComponent* AOwner, TComponent* AParent,
                        const std::function<void(TComponent* Component)>& Proc);
    // Skips the value that follows and reports Message to the handler: for
    // custom properties that meet a value they cannot take.
    void PropertyError(const char* Message);

    void DefineProperty(const QString& Name, const TReaderProc& ReadData,
                        const TWriterProc& WriteData, bool HasData) override;
    void DefineBinaryProperty(const QString& Name, const TStreamProc& ReadData,
                              const TStreamProc& WriteData, bool HasData) override;

    TComponent* Root() const { return FRoot; }
    TComponent* Owner() const { return FOwner; }
    TComponent* Parent() const { return FParent; }
    // The name of the property being read (without its path), for handlers.
    const QString& PropName() const { return FPropName; }

    std::function<void(TReader& Reader, const QString& Message, bool& Handled)> OnError;
    std::function<void(TReader& Reader, const QString& MethodName, const TMethodInfo*& Address,
                       bool& Error)> OnFindMethod;
    std::function<void(TReader& Reader, const QString& ComponentName,
                       const TClassInfo* ComponentClass, TComponent*& Component)> OnAncestorNotFound;
    // Runs before a component that the reader creates takes its stored
    // name, and may change the name.
    std::function<void(TReader& Reader, TComponent* Component, QString& Name)> OnSetName;
    // Looks up stored class names after the root's published field classes;
    // the global registry when unset.
    TClassResolver ClassResolver;
    TReaderLimits Limits;

private:
    class TDepth;
    class TLoadContext;
    class TPropTable;
    struct TFixup;

    quint8 PeekByte()
    {
        return FBufPos < FBufEnd ? quint8(FBuf[FBufPos]) : PeekSlow();
    }
    quint8 ReadByte()
    {
        const quint8 b = PeekByte();
        ++FBufPos;
        return b;
    }
    quint8 PeekSlow();
    void Fill();
    void Skip(qint64 Count);
    void CheckLength(qint64 Length);
    [[noreturn]] void ReadError(const char* Message);
    [[noreturn]] void ValueError();
    bool Error(const QString& Message);
    bool IsInteger(TValueType Value) const;
    qint64 ReadIntegerOf(TValueType Type);
    // A short string into a 256-byte buffer; returns its length.
    int ReadShortBytes(char* Buf);
    QString ReadLongString(TValueType Type);
    // The bytes of a type 6 or 12 string, undecoded.
    QByteArray ReadStringBytes(TValueType Type);

    TComponent* ReadChild();
    TComponent* ReadRecord(TComponent* Component, int Flags, int ChildPos);
    void ReadProperty(TPersistent* Instance);
    void ReadPropValue(TPersistent* Instance, const TPropInfo* Prop);
    void ReadPublished(TObject& Instance, const TPropInfo* Prop, TValueType Type);
    void ReadSetValue(TObject& Instance, const TPropInfo* Prop);
    void ReadMethodValue(TObject& Instance, const TPropInfo* Prop);
    // Reports Message to the handler; EReadError when it stays unhandled.
    void ReportError(const QString& Message);
    // Runs a property setter; what it raises goes to the handler, as the
    // value has been consumed and the stream stays readable.
    template <class F>
    void CallSetter(F&& Setter);
    const TPropInfo* FindProp(const TClassInfo* Class, const char* Name, int Length);
    const TClassInfo* FindComponentClass(const char* Name, int Length) const;
    void SkipProperty();
    void SkipComponent(bool SkipHeader);
    void SkipSetBody();
    void SkipCollectionBody();
    void DropFixupsOf(const TCollection& Collection);
    void ResolveFixups();
    TComponent* ReadRootRecord(TComponent* Root, int Flags);
    // LoadRoot: whether Root itself is being loaded, or only components
    // read into it.
    void RunLoad(TComponent* Root, const std::function<void()>& Body, bool LoadRoot = true);

    TStream& FStream;
    QByteArray FBuffer;
    const char* FBuf;
    qint64 FBufPos = 0;
    qint64 FBufEnd = 0;
    int FDepth = 0;
    int FUncaught;

    TComponent* FRoot = nullptr;
    TComponent* FOwner = nullptr;
    TComponent* FParent = nullptr;
    TComponent* FCurrent = nullptr;  // the component whose properties are read
    QString FPropName;
    bool FPropFound = false;
    TLoadContext* FContext = nullptr;
    std::vector<std::unique_ptr<TPropTable>> FPropTables;
    TPropTable* FLastTable = nullptr;
};

// Reads a stream ("TPF0" and a record) into Root.
void ReadComponentFromStream(TStream& Stream, TComponent* Root);

} // namespace classlib
