#include "toolbox/ConfigParser.h"

#include "toolbox/ConfigParameter.h"
#include "toolbox/ConfigSection.h"
#include "toolbox/ConfigText.h"
#include "toolbox/PointeredList.h"

#include <cstring>

namespace toolbox {

namespace {

    bool IsBlank(char c)
    {
        return c == ' ' || c == '\r' || c == '\n' || c == '\t' || c == '\f';
    }

    // The end of the token that starts at `start`: before the next unescaped '<',
    // after the next unescaped '>', or at the end of the text.
    const char* TokenEnd(const char* start)
    {
        const char* position = *start == '<' ? start + 1 : start;
        while (*position) {
            if (*position == '\\') {
                ++position;
                if (*position)
                    ++position;
            } else if (*position == '<') {
                return position;
            } else if (*position == '>') {
                return position + 1;
            } else {
                ++position;
            }
        }
        return position;
    }

    // Removes the escapes in place: "\0" stands for nothing, "\f", "\n", "\r" and
    // "\t" for their control bytes, a backslash before any other byte for that
    // byte; a backslash at the very end stays.
    void Unescape(char* text)
    {
        char* out = text;
        for (const char* in = text; *in; ++in) {
            if (*in != '\\' || in[1] == '\0') {
                *out++ = *in;
                continue;
            }
            ++in;
            switch (*in) {
            case '0':
                break;
            case 'f':
                *out++ = '\f';
                break;
            case 'n':
                *out++ = '\n';
                break;
            case 'r':
                *out++ = '\r';
                break;
            case 't':
                *out++ = '\t';
                break;
            default:
                *out++ = *in;
                break;
            }
        }
        *out = '\0';
    }

    enum class TokenKind { Empty, Opening, Closing, Value };

    struct Token {
        TokenKind kind = TokenKind::Empty;
        std::unique_ptr<char[]> text; // the name of a tag, or the value
    };

    Token Classify(const char* begin, const char* end)
    {
        while (begin < end && IsBlank(*begin))
            ++begin;
        while (end > begin && IsBlank(end[-1]))
            --end;
        Token token;
        std::size_t length = static_cast<std::size_t>(end - begin);
        if (length == 0)
            return token;
        if (length >= 3 && begin[0] == '<' && begin[1] == '/' && end[-1] == '>') {
            token.kind = TokenKind::Closing;
            token.text = CopyText(begin + 2, length - 3);
        } else if (length >= 2 && begin[0] == '<' && end[-1] == '>') {
            token.kind = TokenKind::Opening;
            token.text = CopyText(begin + 1, length - 2);
        } else {
            token.kind = TokenKind::Value;
            token.text = CopyText(begin, length);
        }
        Unescape(token.text.get());
        return token;
    }

    class SectionStack {
    public:
        explicit SectionStack(ConfigSection& root) { sections.AddPointer(&root); }

        int GetDepth() const { return sections.GetCount() - 1; }
        ConfigSection& Top() const { return *static_cast<ConfigSection*>(sections.GetTail()->GetPointer()); }
        ConfigSection& BelowTop() const
        {
            return *static_cast<ConfigSection*>(sections.GetTail()->GetPrevious()->GetPointer());
        }
        void Push(ConfigSection& section) { sections.AddPointer(&section); }
        void Pop() { sections.DeleteLast(); }

    private:
        PointeredList sections;
    };

    class Parsing {
    public:
        explicit Parsing(ConfigSection& root)
            : stack(root)
        {
        }

        bool Run(const char* text)
        {
            const char* position = text;
            while (*position) {
                const char* end = TokenEnd(position);
                if (!Act(Classify(position, end)))
                    return false;
                position = end;
            }
            return stack.GetDepth() == 0;
        }

    private:
        bool Act(const Token& token)
        {
            switch (token.kind) {
            case TokenKind::Opening:
                if (stack.GetDepth() >= ConfigParser::maximumDepth)
                    return false;
                stack.Push(stack.Top().GetSection(token.text.get()));
                return true;
            case TokenKind::Value:
                if (stack.GetDepth() == 0)
                    return false;
                stack.BelowTop().GetParameter(stack.Top().GetName()).SetString(token.text.get());
                pendingParameter = true;
                return true;
            case TokenKind::Closing:
                return Close(token.text.get());
            case TokenKind::Empty:
                break;
            }
            return true;
        }

        bool Close(const char* name)
        {
            if (stack.GetDepth() == 0)
                return false;
            if (*name && std::strcmp(name, stack.Top().GetName()) != 0)
                return false;
            if (pendingParameter) {
                pendingParameter = false;
                // The section was opened only to carry the parameter's name.
                ConfigSection& parent = stack.BelowTop();
                auto removedName = CopyText(stack.Top().GetName());
                stack.Pop();
                parent.RemoveSection(removedName.get());
                return true;
            }
            stack.Pop();
            return true;
        }

        SectionStack stack;
        bool pendingParameter = false;
    };

} // namespace

bool ConfigParser::Parse(ConfigSection& root, const char* text)
{
    return Parsing(root).Run(text ? text : "");
}

} // namespace toolbox
