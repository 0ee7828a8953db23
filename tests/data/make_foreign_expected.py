#!/usr/bin/python3
# Writes what an independent reader (python3-dbfread) sees in shared/fixtures/foreign-1k,
# as the expectations of the foreign-table test. Run once from this folder; the output is
# committed so the test does not need python.
import struct
import dbfread

PATH = '../../../shared/fixtures/foreign-1k/ADDR.DBF'


def escape(text):
    return (text or '').replace('\\', '\\\\').replace('\t', '\\t').replace('\n', '\\n').replace('\r', '\\r')


def records_in_file_order():
    with open(PATH, 'rb') as f:
        head = f.read(32)
        count, header_length, record_length = struct.unpack('<IHH', head[4:12])
        flags = []
        for n in range(count):
            f.seek(header_length + n * record_length)
            flags.append(f.read(1) == b'*')
    table = dbfread.DBF(PATH, char_decode_errors='strict')
    live, deleted = iter(table), iter(table.deleted)
    return [(n + 1, flag, next(deleted) if flag else next(live)) for n, flag in enumerate(flags)]


rows = records_in_file_order()
with open('foreign-1k-records.tsv', 'w') as out:
    for recno, flag, rec in rows:
        out.write('\t'.join([str(recno), 'T' if flag else 'F', 'T' if rec['ISDEL'] else 'F',
                             escape(rec['LNAME']), escape(rec['MEMO'])]) + '\n')
with open('foreign-1k-sample.tsv', 'w') as out:
    for recno, flag, rec in rows:
        if recno % 50 == 1:
            values = ['T' if v is True else 'F' if v is False else escape(v) for v in rec.values()]
            out.write('\t'.join([str(recno)] + values) + '\n')
