// The sheet's blocks: a caption that opens the selection dialog, the attribute's field with
// its arrows, and the key/value table of what was taken. Every keystroke goes to the core at
// once; leaving a field or a table is reported when the focus moves to another control of
// the sheet or to nothing, not when a dialog, a box or the menu takes it for a while.

function element(tag, attributes = {}, ...children) {
    const made = document.createElement(tag);
    for (const [name, value] of Object.entries(attributes)) made.setAttribute(name, value);
    made.append(...children);
    return made;
}

// The locale's decimal separator, which an attribute field takes as the desktop's does;
// asked for at the first keystroke, not while the page starts.
let decimalpoint = null;
function decimal() {
    decimalpoint ??= new Intl.NumberFormat().formatToParts(1.5)
        .find((part) => part.type === 'decimal')?.value ?? '.';
    return decimalpoint.codePointAt(0);
}

// A dialog, a box or the menu: focus there leaves nothing of the sheet.
function aside(target) {
    return target instanceof Element && target.closest('dialog, #menubar') !== null;
}

export class SheetPage {
    // `blocks` as the core lists them; `core` answers which keys a field takes.
    constructor(root, blocks, core, explain) {
        this.core = core;
        this.explainline = explain;
        this.sheet = null;
        this.fields = [];
        this.tables = [];
        this.holding = null;
        blocks.forEach((block, i) => root.append(this.buildblock(block, i)));
        document.addEventListener('focusin', (event) => this.onfocusin(event));
        document.addEventListener('focusout', (event) => this.onfocusout(event));
    }

    bind(sheet) {
        this.sheet = sheet;
    }

    buildblock(block, i) {
        const section = element('section', {
            class: 'block', style: `--grid-column: ${block.column}; --grid-row: ${block.row}`,
            'aria-labelledby': `Label${block.number}`,
        });
        const caption = element('button', {
            type: 'button', id: `Label${block.number}`, class: 'caption', title: block.captiontip,
        }, block.caption);
        // The caption takes no focus from a click, as the desktop's does not: the edit in
        // progress goes on, and the dialog's take goes in at the table's current row.
        caption.addEventListener('mousedown', (event) => event.preventDefault());
        caption.addEventListener('click', () => this.choosecaption(i));
        const head = element('div', {class: 'blockhead'}, caption);
        if (block.field) head.append(this.buildfield(block, i));
        section.append(head, this.buildtable(block, i));
        return section;
    }

    buildfield(block, i) {
        const input = element('input', {
            id: `SpinEdit${block.number}`, class: 'attribute', type: 'text', inputmode: 'numeric',
            autocomplete: 'off', 'aria-label': block.fieldname,
        });
        input.addEventListener('beforeinput', (event) => this.filter(event));
        input.addEventListener('input', () => this.sheet.editattribute(i, input.value));
        input.addEventListener('click', () => this.sheet.clickattribute(i));
        input.addEventListener('keydown', (event) => {
            if (event.key !== 'ArrowUp' && event.key !== 'ArrowDown') return;
            event.preventDefault();
            this.sheet.stepattribute(i, event.key === 'ArrowUp' ? 1 : -1);
        });
        const arrows = [['▲', 1, 'Увеличить'], ['▼', -1, 'Уменьшить']].map(([mark, step, name]) => {
            const arrow = element('button', {
                type: 'button', class: 'arrow', tabindex: '-1', 'aria-label': name,
            }, mark);
            // The arrow moves the focus into its field first, as the desktop's does.
            arrow.addEventListener('mousedown', (event) => event.preventDefault());
            arrow.addEventListener('click', () => {
                input.focus();
                this.sheet.stepattribute(i, step);
            });
            return arrow;
        });
        this.fields[i] = input;
        return element('span', {class: 'field'}, input, element('span', {class: 'arrows'}, ...arrows));
    }

    // Refuses what an attribute field does not take, as the desktop's refuses it with a beep.
    filter(event) {
        const typed = event.data ?? event.dataTransfer?.getData('text/plain') ?? '';
        const point = decimal();
        if ([...typed].every((c) => this.core.attributekey(c.codePointAt(0), point))) return;
        event.preventDefault();
        const field = event.target;
        field.classList.remove('refused');
        void field.offsetWidth;
        field.classList.add('refused');
    }

    buildtable(block, i) {
        const body = element('tbody');
        const table = element('table', {
            id: `ValueListEditor${block.number}`, class: 'values', 'aria-label': block.tablename,
            title: block.tabletip,
        }, element('thead', {}, element('tr', {},
            element('th', {scope: 'col'}, block.keytitle),
            element('th', {scope: 'col'}, block.valuetitle))), body);
        // A click on a key or a title keeps the edit where it is, in the table's value cell.
        table.addEventListener('mousedown', (event) => {
            if (event.target.closest('input')) return;
            event.preventDefault();
            this.tables[i].inputs[this.tables[i].current]?.focus();
        });
        this.tables[i] = {
            body, inputs: [], keys: [], current: 0, original: '',
            valuename: block.valuetitle.toLowerCase(),
        };
        this.showtable(i, [], [], true);
        return element('div', {class: 'tablebox'}, table);
    }

    addrow(i) {
        const table = this.tables[i];
        const row = table.inputs.length;
        const key = element('th', {scope: 'row', class: 'key'});
        const input = element('input', {type: 'text', class: 'value', autocomplete: 'off'});
        input.addEventListener('input', () => {
            this.sheet.editcell(i, row, input.value);
            this.explainrow(i, row);
        });
        input.addEventListener('keydown', (event) => this.onrowkey(event, i, row));
        table.body.append(element('tr', {}, key, element('td', {}, input)));
        table.inputs.push(input);
        table.keys.push(key);
    }

    onrowkey(event, i, row) {
        const table = this.tables[i];
        const input = table.inputs[row];
        const last = table.inputs.length - 1;
        const plain = !event.ctrlKey && !event.altKey && !event.metaKey && !event.shiftKey;
        let to = null;
        switch (event.key) {
            case 'Escape':
                input.value = table.original;
                this.sheet.editcell(i, row, table.original);
                this.explainrow(i, row);
                break;
            case 'Enter':
                table.original = input.value;
                break;
            case 'Insert':
                if (!plain) return;
                this.choosecaption(i);
                break;
            case 'ArrowUp':
                to = row - 1;
                break;
            case 'ArrowDown':
                to = row + 1;
                break;
            case 'PageUp':
                to = 0;
                break;
            case 'PageDown':
                to = last;
                break;
            case 'Home':
            case 'End':
                if (!event.ctrlKey) return;
                to = event.key === 'Home' ? 0 : last;
                break;
            default:
                return;
        }
        event.preventDefault();
        if (to !== null) this.moveto(i, Math.max(0, Math.min(to, last)));
    }

    moveto(i, row) {
        const table = this.tables[i];
        table.current = row;
        table.inputs.forEach((input, r) => { input.tabIndex = r === row ? 0 : -1; });
        table.inputs[row].focus();
    }

    choosecaption(i) {
        this.sheet.choosecaption(i, this.tables[i].current);
    }

    // The control `target` belongs to: an attribute field, a table, or another.
    controlof(target) {
        const field = this.fields.indexOf(target);
        if (field >= 0) return {where: 'attribute', index: field, target};
        const table = this.tables.findIndex((t) => t.inputs.includes(target));
        if (table >= 0) return {where: 'table', index: table, target};
        return null;
    }

    onfocusin(event) {
        if (aside(event.target)) return;
        const control = this.controlof(event.target);
        const same = control && this.holding && control.where === this.holding.where &&
            control.index === this.holding.index;
        if (!same) this.leave();
        if (control?.where === 'table') {
            const table = this.tables[control.index];
            const row = table.inputs.indexOf(event.target);
            // Coming back from a box or the dialog to the same cell goes on with its edit.
            if (!same || this.holding.target !== event.target) table.original = event.target.value;
            table.current = row;
            table.inputs.forEach((input, r) => { input.tabIndex = r === row ? 0 : -1; });
        }
        this.holding = control;
        this.explainfocus();
    }

    onfocusout(event) {
        if (!this.holding || event.target !== this.holding.target || event.relatedTarget) return;
        // Nothing took the focus: a click on the page's background leaves the control; a
        // switch to another window or tab, or a dialog opening, does not.
        setTimeout(() => {
            const active = document.activeElement;
            if (!document.hasFocus() || (active && active !== document.body) ||
                document.querySelector('dialog[open]')) {
                return;
            }
            this.leave();
            this.holding = null;
            this.explainfocus();
        });
    }

    // Reports that the focus left the field or table it was in.
    leave() {
        const held = this.holding;
        this.holding = null;
        if (!held || !this.sheet) return;
        if (held.where === 'attribute') {
            this.sheet.leaveattribute(held.index);
        } else {
            this.sheet.leavetable(held.index);
        }
    }

    // The edit in progress, which a command counts first as leaving would.
    editing() {
        return this.holding ? {where: this.holding.where, index: this.holding.index}
            : {where: '', index: 0};
    }

    // The edit in progress was counted where it is: a later Escape goes back to its text.
    settle() {
        if (this.holding?.where !== 'table') return;
        const table = this.tables[this.holding.index];
        table.original = table.inputs[table.current].value;
    }

    // The first field takes the focus at the start, as the desktop's does; on a touch screen
    // that would bring up its keyboard unasked.
    focusfirst() {
        if (!matchMedia('(pointer: coarse)').matches) this.fields[0]?.focus();
    }

    showattribute(i, text) {
        if (this.fields[i].value !== text) this.fields[i].value = text;
        this.explainfocus();
    }

    explainattribute(i, tip) {
        this.fields[i].title = tip;
        this.explainfocus();
    }

    showtable(i, keys, values, first) {
        const table = this.tables[i];
        const rows = Math.max(keys.length, 1);
        const row = first ? 0 : Math.min(table.current, rows - 1);
        const focused = table.inputs.indexOf(document.activeElement);
        // A row about to go would take the focus with it.
        if (focused >= rows) table.inputs[row].focus();
        while (table.inputs.length < rows) this.addrow(i);
        while (table.inputs.length > rows) {
            table.inputs.pop();
            table.keys.pop();
            table.body.lastElementChild.remove();
        }
        for (let r = 0; r < rows; ++r) {
            const key = keys[r] ?? '';
            const value = values[r] ?? '';
            table.keys[r].textContent = key;
            if (table.inputs[r].value !== value) table.inputs[r].value = value;
            table.inputs[r].setAttribute('aria-label', key ? `${key}: ${table.valuename}` : table.valuename);
            this.explainrow(i, r);
        }
        table.current = row;
        table.inputs.forEach((input, r) => { input.tabIndex = r === row ? 0 : -1; });
        if (focused >= 0 && focused !== row && first) table.inputs[row].focus();
        if (first) table.original = table.inputs[row].value;
    }

    explainrow(i, row) {
        if (!this.sheet) return;
        this.tables[i].inputs[row].title = this.sheet.rowtip(i, row);
        this.explainfocus();
    }

    explainrows() {
        this.tables.forEach((table, i) => table.inputs.forEach((_, row) => this.explainrow(i, row)));
    }

    // What the focused field or row costs, on the page as well as in its tooltip.
    explainfocus() {
        this.explainline.textContent = this.holding?.target.title ?? '';
    }
}
